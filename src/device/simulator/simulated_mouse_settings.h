// The simulated mouse's settings: "simulated-mouse.ini" beside the program
// and CORVANE_SIM_* environment variables, which win.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "core/system_facts.h"
#include "device/simulator/simulated_mouse.h"

namespace corvane {

// The simulator's settings as its settings file and environment give them.
struct SimulatedMouseSettings {
    std::uint8_t sensorType = 0;
    SimulatedReplyFault replyFault = SimulatedReplyFault::None;
    std::uint32_t failFromTransfer = 0;
    unsigned transferDelayMs = 0;
    int foreignDevices = 1;
    bool commandFirst = false;
    bool mousePresent = true;
    // Interfaces of this kind cannot be opened at all (query open fails).
    std::optional<SimulatedInterfaceKind> unopenable;
    // The mouse's channel of this kind cannot be opened (its query can).
    std::optional<SimulatedInterfaceKind> unopenableChannel;
    std::wstring memoryFile;
    std::wstring wireLogFile;
};

// "simulated-mouse.ini" in the folder the simulator is made for.
inline constexpr wchar_t kSimulatedMouseSettingsFile[] = L"simulated-mouse.ini";
inline constexpr char kSimulatedMouseEnvironmentPrefix[] = "CORVANE_SIM_";

// Applies "key = value" lines (';' and '#' start comments, [sections] are
// ignored); unknown keys and unreadable values are left out. Relative file
// names are taken from `folder`.
void ApplySimulatedMouseSettings(const std::string& text, const std::wstring& folder,
                                 SimulatedMouseSettings& settings);
// The same keys, upper-cased after CORVANE_SIM_, from `lookup`.
void ApplySimulatedMouseEnvironment(const EnvironmentLookup& lookup, const std::wstring& folder,
                                    SimulatedMouseSettings& settings);
SimulatedMouseOptions OptionsOf(const SimulatedMouseSettings& settings);

// Reads the settings file in `folder`, then the environment (which wins).
SimulatedMouseSettings SimulatedMouseSettingsFor(const std::wstring& folder,
                                                 const EnvironmentLookup& lookup);
std::unique_ptr<SimulatedMouse> MakeSimulatedMouseFromEnvironment(const std::wstring& folder);

}  // namespace corvane
