// What the program knows of the mouse and its settings: one object owned by
// the program and handed by reference to the logic, so that a test builds a
// fresh one per case. The settings part is what the settings layer works
// on; the link's state and the two flags are the device layer's.
#pragma once

#include <cstdint>

#include "device/mouse_link_state.h"
#include "settings/settings_state.h"

namespace corvane {

struct DeviceState : SettingsState {
    MouseLinkState link;
    std::uint32_t devicePresent = 0;
    std::uint32_t scrambleEnabled = 0;
};

}  // namespace corvane
