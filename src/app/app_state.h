// The process-wide state: one object owned by the application and handed by
// reference to the logic, so that a test builds a fresh one per case.
#pragma once

#include <cstdint>

#include "device/device_link.h"
#include "settings/settings_record.h"

namespace corvane {

inline constexpr std::uint8_t kUiLanguageSimplifiedChinese = 1;
inline constexpr std::uint8_t kUiLanguageOther = 2;

struct AppState {
    SettingsRecords records;
    DeviceImage image{};
    DeviceLink link;
    std::uint32_t devicePresent = 0;
    std::uint32_t scrambleEnabled = 0;
    std::uint8_t uiLanguage = kUiLanguageOther;
    std::uint8_t sensorType = 0;
    std::uint8_t firstRunFlag = 0;
};

}  // namespace corvane
