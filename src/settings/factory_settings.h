// The factory settings: the SettingsRecord the distribution's config.bin
// carries. The program only rewrites an existing config.bin, so the
// distribution must ship one: first-run flag 0 (the first start installs the
// first-run labels and device tables) and a record with the Default button's
// values, so that the functions agree with the first-run labels, and
// in-range values everywhere else. The loader also starts from this record
// when config.bin is missing or unusable, so that no Save ever programs the
// mouse with an all-zero record.
#pragma once

#include <array>
#include <cstdint>

#include "settings/settings_files.h"
#include "settings/settings_record.h"

namespace corvane {

inline constexpr std::uint8_t kFactoryFireTime = 5;
inline constexpr std::uint8_t kFactoryLedParamA = 10;
inline constexpr std::uint8_t kFactoryLeftRuleLayer = 0;  // the rule guards the normal layer

SettingsRecord FactorySettingsRecord();
// The 180 bytes of the factory config.bin.
std::array<std::uint8_t, kConfigFileSize> FactoryConfigFile();

}  // namespace corvane
