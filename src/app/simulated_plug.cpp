#include "app/simulated_plug.h"

#include <cstdio>
#include <utility>

namespace corvane {
namespace {

constexpr std::string_view kBlanks = " \t\r\n";
// The simulated mouse's two interfaces.
constexpr int kInterfaces = 2;

}  // namespace

std::optional<PlugCommand> ParsePlugCommand(std::string_view line) {
    const std::size_t first = line.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) {
        return std::nullopt;
    }
    line = line.substr(first, line.find_last_not_of(kBlanks) - first + 1);
    if (line == "unplug") {
        return PlugCommand::Unplug;
    }
    if (line == "plug") {
        return PlugCommand::Plug;
    }
    if (line == "replug") {
        return PlugCommand::Replug;
    }
    return std::nullopt;
}

SimulatedPlug::SimulatedPlug(bool present, SetPresent setPresent)
    : present_(present), setPresent_(std::move(setPresent)) {}

std::vector<NodeEvent> SimulatedPlug::Apply(PlugCommand command, std::int64_t nowMs) {
    std::vector<NodeEvent> events;
    if (command != PlugCommand::Plug) {
        events = Pull(nowMs);
    }
    if (command != PlugCommand::Unplug) {
        std::vector<NodeEvent> added = Push(nowMs);
        events.insert(events.end(), added.begin(), added.end());
    }
    return events;
}

std::vector<NodeEvent> SimulatedPlug::Pull(std::int64_t nowMs) {
    if (!present_) {
        return {};
    }
    present_ = false;
    setPresent_(false);
    std::vector<NodeEvent> events;
    for (int i = 0; i < kInterfaces; ++i) {
        events.push_back(NodeOf(i, NodeAction::Remove, nowMs));
    }
    sequence_ += kInterfaces;
    return events;
}

std::vector<NodeEvent> SimulatedPlug::Push(std::int64_t nowMs) {
    if (present_) {
        return {};
    }
    present_ = true;
    setPresent_(true);
    std::vector<NodeEvent> events;
    for (int i = 0; i < kInterfaces; ++i) {
        events.push_back(NodeOf(i, NodeAction::Add, nowMs));
    }
    return events;
}

// Where a real USB mouse's nodes lie in sysfs, under a bus of its own.
NodeEvent SimulatedPlug::NodeOf(int interfaceNumber, NodeAction action, std::int64_t nowMs) const {
    char path[128];
    std::snprintf(path, sizeof path,
                  "/devices/virtual/corvane/usb9/9-1/9-1:1.%d/%.*s%04X/hidraw/hidraw%d",
                  interfaceNumber, static_cast<int>(kMouseHidName.size()), kMouseHidName.data(),
                  (sequence_ + static_cast<unsigned>(interfaceNumber)) & 0xFFFFu, interfaceNumber);
    return {action, path, action == NodeAction::Add, nowMs};
}

}  // namespace corvane
