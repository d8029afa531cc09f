// The mouse's plugging in and pulling out as Linux reports it: one event per
// hidraw node (the mouse has two, one per interface, and a plug can bounce),
// merged per device into the one arrival or removal the shell follows
// (Shell::OnMouseArrived / OnMouseRemoved).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace corvane {

enum class NodeAction { Add, Remove, Other };

// One event of a hidraw node, as the device manager reported it.
struct NodeEvent {
    NodeAction action = NodeAction::Other;
    // The node's place in sysfs, e.g.
    // "/devices/pci0000:00/0000:00:14.0/usb1/1-2/1-2:1.0/0003:04D9:A09E.0007/hidraw/hidraw3".
    std::string devpath;
    // Whether the attributes of the node's HID parent could be read. A
    // removal never has them: the parent has left sysfs before the event
    // is read, so an event is recognised by its path alone.
    bool parentAttributes = false;
    // When it was received, in milliseconds of a monotonic clock.
    std::int64_t timeMs = 0;
};

enum class MousePlug { Arrived, Removed };

// The HID device name of the mouse's interfaces in a path (bus USB, vendor,
// product; the kernel writes the numbers in upper case), followed by the
// kernel's sequence number.
inline constexpr std::string_view kMouseHidName = "0003:04D9:A09E.";
// How long a device's nodes must be quiet before their events are merged.
inline constexpr std::int64_t kQuietPeriodMs = 300;
// A device whose nodes never fall quiet is reported this long after its
// first event all the same.
inline constexpr std::int64_t kLongestBurstMs = 3000;

// True when `devpath` lies under a HID device of the mouse.
bool IsMouseNodePath(std::string_view devpath);

// The physical device a node of the mouse belongs to: its path up to the
// USB device, above the interface that carries the HID device, so that the
// nodes of both interfaces share it. Empty for a path not of the mouse.
std::string DeviceOf(std::string_view devpath);

// Merges the node events of the mouse per device. A device's events form a
// burst until it has been quiet for kQuietPeriodMs; the burst then gives one
// event, its last action's: a plug that bounces ends present, a pull that
// comes back is a new plug.
class DeviceEventMerger {
  public:
    // Takes one event; foreign devices and actions other than add and
    // remove are dropped. True when it was kept.
    bool Take(const NodeEvent& event);
    // The merged events due by `nowMs`, in the order their bursts began.
    std::vector<MousePlug> TakeDue(std::int64_t nowMs);
    // When the first burst falls due; none while nothing waits.
    std::optional<std::int64_t> NextDueMs() const;

  private:
    struct Burst {
        std::string device;
        std::int64_t firstMs;
        std::int64_t lastMs;
        NodeAction lastAction;
    };
    static std::int64_t DueMs(const Burst& burst);

    std::vector<Burst> bursts_;
};

// Where node events come from: the device manager's monitor, or the
// simulated mouse's plug control.
class NodeEventSource {
  public:
    virtual ~NodeEventSource() = default;
    // A descriptor that turns readable while events wait.
    virtual int Descriptor() const = 0;
    // Every event waiting, stamped `nowMs`; returns at once when none waits.
    virtual std::vector<NodeEvent> ReadEvents(std::int64_t nowMs) = 0;
};

}  // namespace corvane
