#include "meaning/factory_settings.h"

#include <algorithm>

#include "settings/dpi_table.h"

namespace corvane {
namespace {

// Button 3 is a snipe key: its DPI is the first choice of the first sensor.
constexpr std::uint8_t kFactorySensorType = 0;
constexpr int kFactorySnipeChoice = 0;

void TurnStagesOn(SettingsRecord& record) {
    std::fill(std::begin(record.dpiStageOn), std::end(record.dpiStageOn), std::uint8_t{1});
}

void SetDefaultLabels(KeyLabels& labels, const LanguageTexts& texts) {
    for (auto& layer : labels) {
        for (int button = 0; button < kButtonSlots; ++button) {
            layer[button] = std::wstring(
                texts.functionNames[static_cast<int>(kDefaultButtonFunctions[button])]);
        }
    }
}

// The Default button's values, the functions included.
void SetDefaultValues(SettingsRecord& record) {
    TurnStagesOn(record);
    std::copy(kDefaultDpiLevels.begin(), kDefaultDpiLevels.end(), record.dpiLevel);
    record.ledMode = kDefaultLedMode;
    record.ledParamB = kDefaultLedParamB;
    record.reportRate = kDefaultReportRate;
    for (int layer = 0; layer < kLayerCount; ++layer) {
        for (int button = 0; button < kButtonSlots; ++button) {
            record.buttonFunction[layer][button] =
                static_cast<std::uint8_t>(kDefaultButtonFunctions[button]);
        }
    }
}

}  // namespace

void RestoreDefaults(SettingsRecord& record, KeyLabels& labels, const LanguageTexts& texts) {
    SetDefaultValues(record);
    SetDefaultLabels(labels, texts);
}

SettingsRecord FactorySettingsRecord() {
    SettingsRecord record{};
    SetDefaultValues(record);
    record.ledParamA = kFactoryLedParamA;
    record.leftRuleLayer = kFactoryLeftRuleLayer;
    record.fireMakeTime = kFactoryFireTime;
    record.fireBreakTime = kFactoryFireTime;
    record.snipeDpiCode = DpiCode(kFactorySensorType, kFactorySnipeChoice, 1);
    return record;
}

std::array<std::uint8_t, kConfigFileSize> FactoryConfigFile() {
    std::array<std::uint8_t, kConfigFileSize> bytes = ConfigFileBytes(FactorySettingsRecord());
    bytes[0] = 0;  // factory state: first-run defaults still to be installed
    return bytes;
}

void WriteDefaultDeviceTables(DeviceImage& image) {
    for (std::size_t i = 0; i < kDefaultConsumerTable.size(); ++i) {
        image.page4.consumerTable[i] = ToLeU16(kDefaultConsumerTable[i]);
    }
    for (std::size_t i = 0; i < kDefaultHotKeyTable.size(); ++i) {
        image.page5.hotKeyTable[i] = kDefaultHotKeyTable[i];
    }
}

bool InstallFirstRunDefaults(SettingsState& state, KeyLabels& labels, const LanguageTexts& texts) {
    if (state.firstRunFlag != 0) {
        return false;
    }
    WriteDefaultDeviceTables(state.image);
    TurnStagesOn(state.records.working);
    SetDefaultLabels(labels, texts);
    return true;
}

SaveResult ApplyFirstRunDefaults(SettingsState& state, KeyLabels& labels,
                                 const LanguageTexts& texts, SettingsFiles& files) {
    if (!InstallFirstRunDefaults(state, labels, texts)) {
        return SaveResult::Done();
    }
    return files.SaveLabels(labels);
}

}  // namespace corvane
