// The factory settings: what the first start and the Default button agree
// on, and the first-run device tables.
#include "meaning/factory_settings.h"

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

// The first-run tables as the mouse receives them, typed from the table of
// consumer usages and hot keys: image bytes 226-257 and 306-321.
TEST(DefaultDeviceTables, EveryEntryAtItsImageBytes) {
    constexpr std::uint16_t kConsumerUsages[16] = {
        0x00B5, 0x00B6, 0x00B7, 0x00CD, 0x00E2, 0x00E9, 0x00EA, 0x0183,
        0x018A, 0x0192, 0x0194, 0x0221, 0x0223, 0x0224, 0x0225, 0x0227,
    };
    constexpr std::uint8_t kHotKeyBytes[16] = {
        0xE0, 0x06, 0xE0, 0x1B, 0xE0, 0x19, 0xE0, 0x04,
        0xE0, 0x12, 0xE0, 0x11, 0xE0, 0x16, 0xE0, 0x1D,
    };
    DeviceImage image{};
    WriteDefaultDeviceTables(image);
    const auto bytes = image.bytes();
    for (int e = 0; e < 16; ++e) {
        EXPECT_EQ(bytes[226 + 2 * e], kConsumerUsages[e] & 0xFF) << "consumer entry " << e;
        EXPECT_EQ(bytes[227 + 2 * e], kConsumerUsages[e] >> 8) << "consumer entry " << e;
    }
    for (int i = 0; i < 16; ++i) {
        EXPECT_EQ(bytes[306 + i], kHotKeyBytes[i]) << "hot key byte " << i;
    }
    // Nothing else is touched.
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if ((i < 226 || i > 257) && i < 306) {
            ASSERT_EQ(bytes[i], 0) << "image byte " << i;
        }
    }
}

}  // namespace
}  // namespace corvane
