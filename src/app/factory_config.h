// The config.bin that ships beside the program. The program only rewrites
// an existing config.bin, so the distribution must carry one: first-run flag
// 0 (the first start installs the first-run labels and device tables) and a
// SettingsRecord with the Default button's values, so that the functions
// agree with the first-run labels, and in-range values everywhere else.
#pragma once

#include <array>
#include <cstdint>

#include "settings/settings_record.h"
#include "settings/stored_files.h"

namespace corvane {

inline constexpr std::uint8_t kFactoryFireTime = 5;
inline constexpr std::uint8_t kFactoryLedParamA = 10;
inline constexpr std::uint8_t kFactoryLeftRuleLayer = 0;  // the rule guards the normal layer

SettingsRecord FactorySettingsRecord();
std::array<std::uint8_t, kConfigFileSize> FactoryConfigFile();

}  // namespace corvane
