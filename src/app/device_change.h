// The window's reaction to the system's device-change broadcasts: matching
// device-interface arrivals and removals of the mouse are counted, and every
// fourth one runs discovery again.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace corvane {

inline constexpr std::uint32_t kDeviceArrival = 0x8000;
inline constexpr std::uint32_t kDeviceRemoveComplete = 0x8004;
inline constexpr std::uint32_t kDeviceTypeInterface = 5;
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

}  // namespace corvane
