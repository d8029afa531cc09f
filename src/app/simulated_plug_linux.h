// The simulated mouse's plug control on Linux: a named pipe in its folder.
// Each line written to it ("unplug", "plug", "replug") plugs the mouse in or
// pulls it out, e.g. `echo unplug > ~/.config/corvane/simulated-mouse.plug`.
#pragma once

#include <memory>
#include <string>

#include "app/device_events.h"
#include "app/simulated_plug.h"

namespace corvane {

enum class PlugControlSetup {
    Ready,
    Taken,       // something other than a named pipe has the name
    CannotMake,  // the pipe could not be made (folder missing or not writable)
    CannotOpen,
};

struct PlugControl {
    PlugControlSetup setup;
    std::unique_ptr<NodeEventSource> source;  // set when Ready
};

// Opens the plug control in `folder`, making the pipe when it is missing (it
// stays for the next start). Lines longer than a command are dropped.
PlugControl OpenPlugControl(const std::wstring& folder, SimulatedPlug plug);

}  // namespace corvane
