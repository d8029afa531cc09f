#include "app/device_events.h"

#include <algorithm>

namespace corvane {
namespace {

// Where the mouse's HID device begins in a path: always a whole component.
std::size_t MouseComponentAt(std::string_view devpath) {
    std::size_t at = devpath.find(kMouseHidName);
    while (at != std::string_view::npos && at > 0 && devpath[at - 1] != '/') {
        at = devpath.find(kMouseHidName, at + 1);
    }
    return at;
}

}  // namespace

bool IsMouseNodePath(std::string_view devpath) {
    const std::size_t at = MouseComponentAt(devpath);
    return at != std::string_view::npos && at + kMouseHidName.size() < devpath.size();
}

std::string DeviceOf(std::string_view devpath) {
    if (!IsMouseNodePath(devpath)) {
        return std::string();
    }
    std::string_view above = devpath.substr(0, MouseComponentAt(devpath));
    while (!above.empty() && above.back() == '/') {
        above.remove_suffix(1);
    }
    // Above the HID device lies the interface that carries it, above that
    // the device both interfaces belong to.
    const std::size_t slash = above.rfind('/');
    if (slash != std::string_view::npos && slash > 0) {
        above = above.substr(0, slash);
    }
    return above.empty() ? std::string("/") : std::string(above);
}

std::int64_t DeviceEventMerger::DueMs(const Burst& burst) {
    return std::min(burst.lastMs + kQuietPeriodMs, burst.firstMs + kLongestBurstMs);
}

bool DeviceEventMerger::Take(const NodeEvent& event) {
    if (event.action == NodeAction::Other || !IsMouseNodePath(event.devpath)) {
        return false;
    }
    std::string device = DeviceOf(event.devpath);
    const auto latest = std::find_if(bursts_.rbegin(), bursts_.rend(),
                                     [&](const Burst& b) { return b.device == device; });
    // An event after the burst fell due begins the next one, even when the
    // due burst has not been taken yet.
    if (latest != bursts_.rend() && event.timeMs < DueMs(*latest)) {
        latest->lastMs = std::max(latest->lastMs, event.timeMs);
        latest->lastAction = event.action;
        return true;
    }
    bursts_.push_back({std::move(device), event.timeMs, event.timeMs, event.action});
    return true;
}

std::vector<MousePlug> DeviceEventMerger::TakeDue(std::int64_t nowMs) {
    std::vector<MousePlug> due;
    std::erase_if(bursts_, [&](const Burst& b) {
        if (DueMs(b) > nowMs) {
            return false;
        }
        due.push_back(b.lastAction == NodeAction::Add ? MousePlug::Arrived : MousePlug::Removed);
        return true;
    });
    return due;
}

std::optional<std::int64_t> DeviceEventMerger::NextDueMs() const {
    std::optional<std::int64_t> next;
    for (const Burst& b : bursts_) {
        if (!next || DueMs(b) < *next) {
            next = DueMs(b);
        }
    }
    return next;
}

}  // namespace corvane
