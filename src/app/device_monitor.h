// The device manager's monitor of hidraw nodes as a source of node events:
// udev's netlink source, whose events come after the rules have run, so a
// node that arrives already carries the access rights a rule gives it. The
// library calls sit behind one interface, so that tests stand in for them.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/device_events.h"

namespace corvane {

// One device event as the library hands it over.
struct UdevEventRecord {
    std::string action;   // "add", "remove", "change", ...
    std::string devpath;  // DEVPATH
    bool parentAttributes = false;
};

// The library calls of one monitor. The implementation owns what they make
// and frees it when destroyed.
class UdevCalls {
  public:
    virtual ~UdevCalls() = default;
    // udev_new.
    virtual bool NewContext() = 0;
    // udev_monitor_new_from_netlink(context, "udev").
    virtual bool NewMonitor() = 0;
    // udev_monitor_filter_add_match_subsystem_devtype(monitor, subsystem, none).
    virtual bool FilterSubsystem(const std::string& subsystem) = 0;
    // udev_monitor_enable_receiving.
    virtual bool EnableReceiving() = 0;
    // udev_monitor_get_fd: the monitor's socket, or a negative number.
    virtual int Descriptor() = 0;
    // udev_monitor_receive_device, without blocking: the next event that
    // waits, none when none does.
    virtual std::optional<UdevEventRecord> Receive() = 0;
};

// libudev's calls (Linux only).
std::unique_ptr<UdevCalls> MakeUdevCalls();

// How far setting up a monitor came.
enum class MonitorSetup {
    Ready,
    NoContext,     // the library could not start
    NoMonitor,     // the netlink socket could not be made (no permission, no udev)
    FilterFailed,  // the hidraw filter could not be installed
    NotReceiving,  // the socket could not be bound
    NoDescriptor,
};

// At most this many events are taken per read, so that a flood cannot keep
// the window from its own events; the descriptor stays readable for the rest.
inline constexpr std::size_t kMonitorEventsPerRead = 64;

class DeviceMonitor final : public NodeEventSource {
  public:
    struct Opened {
        MonitorSetup setup;
        std::unique_ptr<DeviceMonitor> monitor;  // set when Ready
    };
    // Sets up a monitor of hidraw nodes with `calls`.
    static Opened Open(std::unique_ptr<UdevCalls> calls);

    int Descriptor() const override { return descriptor_; }
    std::vector<NodeEvent> ReadEvents(std::int64_t nowMs) override;

  private:
    DeviceMonitor(std::unique_ptr<UdevCalls> calls, int descriptor);

    std::unique_ptr<UdevCalls> calls_;
    int descriptor_;
};

}  // namespace corvane
