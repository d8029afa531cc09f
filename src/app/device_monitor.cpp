#include "app/device_monitor.h"

#include <utility>

namespace corvane {
namespace {

constexpr char kNodeSubsystem[] = "hidraw";

NodeAction ActionOf(const std::string& action) {
    if (action == "add") {
        return NodeAction::Add;
    }
    if (action == "remove") {
        return NodeAction::Remove;
    }
    return NodeAction::Other;
}

}  // namespace

DeviceMonitor::DeviceMonitor(std::unique_ptr<UdevCalls> calls, int descriptor)
    : calls_(std::move(calls)), descriptor_(descriptor) {}

DeviceMonitor::Opened DeviceMonitor::Open(std::unique_ptr<UdevCalls> calls) {
    if (!calls || !calls->NewContext()) {
        return {MonitorSetup::NoContext, nullptr};
    }
    if (!calls->NewMonitor()) {
        return {MonitorSetup::NoMonitor, nullptr};
    }
    if (!calls->FilterSubsystem(kNodeSubsystem)) {
        return {MonitorSetup::FilterFailed, nullptr};
    }
    if (!calls->EnableReceiving()) {
        return {MonitorSetup::NotReceiving, nullptr};
    }
    const int descriptor = calls->Descriptor();
    if (descriptor < 0) {
        return {MonitorSetup::NoDescriptor, nullptr};
    }
    return {MonitorSetup::Ready,
            std::unique_ptr<DeviceMonitor>(new DeviceMonitor(std::move(calls), descriptor))};
}

std::vector<NodeEvent> DeviceMonitor::ReadEvents(std::int64_t nowMs) {
    std::vector<NodeEvent> events;
    while (events.size() < kMonitorEventsPerRead) {
        std::optional<UdevEventRecord> record = calls_->Receive();
        if (!record) {
            break;
        }
        events.push_back({ActionOf(record->action), std::move(record->devpath),
                          record->parentAttributes, nowMs});
    }
    return events;
}

}  // namespace corvane
