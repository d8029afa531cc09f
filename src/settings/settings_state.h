// The settings half of the process-wide state: the records the window edits,
// the image that mirrors the mouse's memory, and the facts read with them.
// Owned by the application (as part of DeviceState) and handed by reference.
#pragma once

#include <cstdint>

#include "settings/settings_record.h"

namespace corvane {

struct SettingsState {
    SettingsRecords records;
    DeviceImage image{};
    std::uint8_t sensorType = 0;    // image byte 195 after each full read
    std::uint8_t firstRunFlag = 0;  // config.bin's first byte
};

}  // namespace corvane
