// The factory settings: what the first start and the Default button agree
// on.
#include "settings/factory_settings.h"

#include <gtest/gtest.h>

#include "settings/dpi_table.h"

namespace corvane {
namespace {

TEST(FactorySettings, IsAFactoryStateFileOfTheDefaultButtonsValues) {
    const auto bytes = FactoryConfigFile();
    ASSERT_EQ(bytes.size(), 180u);
    EXPECT_EQ(bytes[0], 0) << "first start installs the first-run defaults";
    const auto parsed = ParseConfigFile(bytes);
    ASSERT_TRUE(parsed);
    const SettingsRecord& r = parsed->record;
    EXPECT_EQ(r.reportRate, 8);
    EXPECT_EQ(r.dpiLevel[0], 1);
    EXPECT_EQ(r.dpiLevel[1], 3);
    EXPECT_EQ(r.dpiLevel[2], 6);
    for (int stage = 0; stage < kDpiStages; ++stage) {
        EXPECT_EQ(r.dpiStageOn[stage], 1);
        EXPECT_FALSE(DpiText(0, r.dpiLevel[stage]).empty()) << "in the DPI list";
    }
    EXPECT_EQ(r.ledMode, 2);
    EXPECT_EQ(r.ledParamA, 10);
    EXPECT_EQ(r.ledParamB, 3);
    EXPECT_EQ(r.leftRuleLayer, 0);
    EXPECT_EQ(r.fireMakeTime, 5);
    EXPECT_EQ(r.fireBreakTime, 5);
    EXPECT_EQ(r.snipeDpiCode & kDpiDisabledBit, 0);
    const std::uint8_t functions[kButtonSlots] = {0, 1, 2, 11, 5, 12, 12, 12};
    for (int layer = 0; layer < kLayerCount; ++layer) {
        for (int button = 0; button < kButtonSlots; ++button) {
            EXPECT_EQ(r.buttonFunction[layer][button], functions[button]) << layer << button;
        }
    }
}

}  // namespace
}  // namespace corvane
