// What a WM_DEVICECHANGE means for the program: arrivals and completed
// removals of device interfaces whose path names the mouse are counted, and
// every fourth one is handed to the shell as the mouse's interfaces having
// arrived or been removed (the kind of that fourth event).
#pragma once

#include <windows.h>

#include <dbt.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace corvane {

inline constexpr std::uint32_t kDeviceArrival = DBT_DEVICEARRIVAL;
inline constexpr std::uint32_t kDeviceRemoveComplete = DBT_DEVICEREMOVECOMPLETE;
inline constexpr std::uint32_t kDeviceTypeInterface = DBT_DEVTYP_DEVICEINTERFACE;
inline constexpr std::uint8_t kEventsPerRediscovery = 4;

// The two spellings of the mouse's identifiers in a device path; the tests
// are exact and case-sensitive.
inline constexpr std::wstring_view kMousePathForms[] = {L"Vid_04d9&Pid_a09e", L"VID_04D9&PID_A09E"};

bool IsMousePath(std::wstring_view path);

// A device-change broadcast record as the system lays it out: its size at
// offset 0, the device type at 4 and, for a device interface, the path as
// UTF-16 units from offset 28 up to the first zero or the record's end.
struct DeviceBroadcast {
    std::uint32_t deviceType;
    std::wstring path;  // device interfaces only
};
inline constexpr std::size_t kBroadcastHeaderSize = 12;
inline constexpr std::size_t kInterfacePathOffset = 28;

// Reads a record within the size it states and within `bytes`; none when
// even the header does not fit.
std::optional<DeviceBroadcast> ParseDeviceBroadcast(std::span<const std::uint8_t> bytes);

enum class DeviceEventKind { Arrival, Removal };

// The count of matching interface events. Arrivals and removals share it.
class InterfaceEventCounter {
  public:
    // Counts one event of the mouse; true when it is the fourth since the
    // last re-discovery (the count then starts again).
    bool Count();
    std::uint8_t count() const { return count_; }

  private:
    std::uint8_t count_ = 0;
};

// Reads the record a WM_DEVICECHANGE carries, if any.
using BroadcastReader = std::function<std::optional<DeviceBroadcast>()>;

// Which event a WM_DEVICECHANGE is, if it is one the window follows:
// an arrival or a completed removal of a device interface whose path is the
// mouse's. The record is read only for an arrival or a completed removal:
// other event codes carry other data, or none, in the same parameter.
std::optional<DeviceEventKind> MouseInterfaceEvent(std::uint32_t event,
                                                   const BroadcastReader& readRecord);

// The window's filter of its WM_DEVICECHANGE messages.
class DeviceChangeFilter {
  public:
    // The event to hand to the shell, when this message is the fourth
    // matching one since the last; the message is handled either way.
    std::optional<DeviceEventKind> Filter(std::uint32_t event, const BroadcastReader& readRecord);
    // The record a message's second parameter points to, if any.
    static std::optional<DeviceBroadcast> RecordAt(LPARAM lParam);
    std::uint8_t interfaceEventCount() const { return counter_.count(); }

  private:
    InterfaceEventCounter counter_;
};

}  // namespace corvane
