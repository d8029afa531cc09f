#include "settings/factory_settings.h"

#include "settings/dpi_table.h"

namespace corvane {
namespace {

// The Default button's values (key page).
constexpr std::uint8_t kDefaultDpiLevels[kDpiStages] = {1, 3, 6};
constexpr std::uint8_t kDefaultLedMode = 2;
constexpr std::uint8_t kDefaultLedParamB = 3;
constexpr std::uint8_t kDefaultReportRate = 8;
// Button 3 is a snipe key: its DPI is the first choice of the first sensor.
constexpr std::uint8_t kFactorySensorType = 0;
constexpr int kFactorySnipeChoice = 0;

}  // namespace

SettingsRecord FactorySettingsRecord() {
    SettingsRecord record{};
    record.reportRate = kDefaultReportRate;
    for (int stage = 0; stage < kDpiStages; ++stage) {
        record.dpiLevel[stage] = kDefaultDpiLevels[stage];
        record.dpiStageOn[stage] = 1;
    }
    record.ledMode = kDefaultLedMode;
    record.ledParamA = kFactoryLedParamA;
    record.ledParamB = kDefaultLedParamB;
    record.leftRuleLayer = kFactoryLeftRuleLayer;
    record.fireMakeTime = kFactoryFireTime;
    record.fireBreakTime = kFactoryFireTime;
    record.snipeDpiCode = DpiCode(kFactorySensorType, kFactorySnipeChoice, 1);
    for (int layer = 0; layer < kLayerCount; ++layer) {
        for (int button = 0; button < kButtonSlots; ++button) {
            record.buttonFunction[layer][button] =
                static_cast<std::uint8_t>(kDefaultButtonFunctions[button]);
        }
    }
    return record;
}

std::array<std::uint8_t, kConfigFileSize> FactoryConfigFile() {
    std::array<std::uint8_t, kConfigFileSize> bytes = ConfigFileBytes(FactorySettingsRecord());
    bytes[0] = 0;  // factory state: first-run defaults still to be installed
    return bytes;
}

}  // namespace corvane
