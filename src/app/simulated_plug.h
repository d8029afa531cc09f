// Plugging the simulated mouse in and pulling it out at run time. No device
// manager knows the simulated mouse, so its plug control makes the node
// events a real plug or pull of the mouse gives (both interfaces' hidraw
// nodes; a removal without parent attributes), and they take the way the
// device manager's events take: merger, then shell.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>
#include <vector>

#include "app/device_events.h"

namespace corvane {

// One line written to the plug control: "unplug", "plug", or "replug" (out
// and in again at once).
enum class PlugCommand { Unplug, Plug, Replug };

// The command of a line (surrounding blanks ignored); none for any other.
std::optional<PlugCommand> ParsePlugCommand(std::string_view line);

// The name of the plug control in the simulated mouse's folder.
inline constexpr char kPlugControlName[] = "simulated-mouse.plug";

// Turns commands into the mouse's presence and its node events.
class SimulatedPlug {
  public:
    // Makes the mouse present or absent; called before the events are handed
    // over, so that the shell's discovery finds what the events say.
    using SetPresent = std::function<void(bool present)>;
    SimulatedPlug(bool present, SetPresent setPresent);

    // The node events of `command`, stamped `nowMs`; none when it changes
    // nothing (a plug of a mouse that is in).
    std::vector<NodeEvent> Apply(PlugCommand command, std::int64_t nowMs);
    bool present() const { return present_; }

  private:
    std::vector<NodeEvent> Pull(std::int64_t nowMs);
    std::vector<NodeEvent> Push(std::int64_t nowMs);
    NodeEvent NodeOf(int interfaceNumber, NodeAction action, std::int64_t nowMs) const;

    bool present_;
    SetPresent setPresent_;
    // The kernel numbers every HID device it adds anew.
    unsigned sequence_ = 1;
};

}  // namespace corvane
