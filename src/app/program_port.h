// The HID port the executable is linked with: the real SetupAPI/HID port in
// Corvane1.0.exe, the simulated mouse in the demo build.
#pragma once

#include <memory>

#include "device/hid_port.h"

namespace corvane {

std::unique_ptr<HidPort> MakeProgramHidPort();

}  // namespace corvane
