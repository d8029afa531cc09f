// The demo build: the simulated mouse, configured from the folder of the
// executable (its settings file, memory file and wire log lie there).
#include "app/program_port.h"
#include "core/system_facts.h"
#include "device/simulator/simulated_mouse_settings.h"

namespace corvane {

std::unique_ptr<HidPort> MakeProgramHidPort() {
    std::wstring folder = MakePlatformSystemFacts()->ExecutablePath();
    folder.resize(folder.find_last_of(L"\\/") + 1);
    return MakeSimulatedMouseFromEnvironment(folder);
}

}  // namespace corvane
