// The settings a new mouse and a new installation start from, once each: the
// Default button's values, the factory SettingsRecord the distribution's
// config.bin carries, and the first-run defaults.
//
// The program only rewrites an existing config.bin, so the distribution must
// ship one: first-run flag 0 (the first start installs the first-run labels
// and device tables) and a record with the Default button's values, so that
// the functions agree with the first-run labels, and in-range values
// everywhere else. The loader also starts from this record when config.bin
// is missing or unusable, so that no Save ever programs the mouse with an
// all-zero record.
#pragma once

#include <array>
#include <cstdint>

#include "meaning/language_texts.h"
#include "settings/key_labels.h"
#include "settings/save_result.h"
#include "settings/settings_files.h"
#include "settings/settings_record.h"
#include "settings/settings_state.h"

namespace corvane {

// The functions the Default button gives both layers (and whose names the
// first-run labels show): left, right, mid click, snipe, DPI switch, key off.
inline constexpr std::array<ButtonFunction, kButtonSlots> kDefaultButtonFunctions = {
    ButtonFunction::LeftClick, ButtonFunction::RightClick, ButtonFunction::MidClick,
    ButtonFunction::SnipeKey,  ButtonFunction::DpiSwitch,  ButtonFunction::KeyOff,
    ButtonFunction::KeyOff,    ButtonFunction::KeyOff,
};

// The Default button's values besides the functions.
inline constexpr std::array<std::uint8_t, kDpiStages> kDefaultDpiLevels = {1, 3, 6};
inline constexpr std::uint8_t kDefaultLedMode = 2;
inline constexpr std::uint8_t kDefaultLedParamB = 3;
inline constexpr std::uint8_t kDefaultReportRate = 8;

inline constexpr std::uint8_t kFactoryFireTime = 5;
inline constexpr std::uint8_t kFactoryLedParamA = 10;
inline constexpr std::uint8_t kFactoryLeftRuleLayer = 0;  // the rule guards the normal layer

// What the Default button sets: the three DPI stages on at their default
// levels, the default lighting and report rate, and the default functions
// in both layers with their names as labels. Nothing else changes.
void RestoreDefaults(SettingsRecord& record, KeyLabels& labels, const LanguageTexts& texts);

SettingsRecord FactorySettingsRecord();
// The 180 bytes of the factory config.bin.
std::array<std::uint8_t, kConfigFileSize> FactoryConfigFile();

// First-run contents of the device's consumer-control and hot-key tables.
inline constexpr std::array<std::uint16_t, 16> kDefaultConsumerTable = {
    0x00B5, 0x00B6, 0x00B7, 0x00CD, 0x00E2, 0x00E9, 0x00EA, 0x0183,
    0x018A, 0x0192, 0x0194, 0x0221, 0x0223, 0x0224, 0x0225, 0x0227,
};
inline constexpr std::uint8_t kUsageLeftControl = 0xE0;
inline constexpr std::array<HotKeyEntry, 8> kDefaultHotKeyTable = {{
    {kUsageLeftControl, 0x06},  // C: copy
    {kUsageLeftControl, 0x1B},  // X: cut
    {kUsageLeftControl, 0x19},  // V: paste
    {kUsageLeftControl, 0x04},  // A: select all
    {kUsageLeftControl, 0x12},  // O: open
    {kUsageLeftControl, 0x11},  // N: new
    {kUsageLeftControl, 0x16},  // S: save
    {kUsageLeftControl, 0x1D},  // Z: undo
}};

// Installs the first-run tables into the device image.
void WriteDefaultDeviceTables(DeviceImage& image);

// First-run handling in memory, when state.firstRunFlag is 0: installs the
// default device tables, enables the three DPI stages and sets the sixteen
// labels to the default functions' names; the button functions stay as they
// are. False (nothing changed) once the tool has written config.bin.
bool InstallFirstRunDefaults(SettingsState& state, KeyLabels& labels, const LanguageTexts& texts);

// The window's first-run handling: InstallFirstRunDefaults, then the labels
// stored at once. Done when there was nothing to do.
SaveResult ApplyFirstRunDefaults(SettingsState& state, KeyLabels& labels,
                                 const LanguageTexts& texts, SettingsFiles& files);

}  // namespace corvane
