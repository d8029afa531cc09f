// The process-wide state: one object owned by the application and handed by
// reference to the logic, so that a test builds a fresh one per case. The
// settings part is what the settings layer works on; the device link and
// the flags are the device layer's.
#pragma once

#include <cstdint>

#include "core/language.h"
#include "device/device_link.h"
#include "settings/settings_state.h"

namespace corvane {

struct AppState : SettingsState {
    DeviceLink link;
    std::uint32_t devicePresent = 0;
    std::uint32_t scrambleEnabled = 0;
};

}  // namespace corvane
