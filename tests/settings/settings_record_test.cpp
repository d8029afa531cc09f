#include "settings/settings_record.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

TEST(DeviceImageLayout, PagesStartAtTwoPlusSixtyFourPerPage) {
    DeviceImage image{};
    image.page(1)[0] = 0xA1;
    image.page(5)[63] = 0xA5;
    EXPECT_EQ(image.bytes()[2], 0xA1);
    EXPECT_EQ(image.bytes()[321], 0xA5);
    EXPECT_EQ(image.page5.hotKeyTable[7].key, 0xA5);
}

TEST(LeU16, RoundTripsEveryValue) {
    for (std::uint32_t v = 0; v <= 0xFFFF; ++v) {
        ASSERT_EQ(FromLeU16(ToLeU16(static_cast<std::uint16_t>(v))), v);
    }
    EXPECT_EQ(ToLeU16(0x0183).low, 0x83);
}

TEST(DeviceSlot, ButtonsThreeAndFourSwapAndSixSevenHaveNone) {
    EXPECT_EQ(DeviceSlotOf(0), 0);
    EXPECT_EQ(DeviceSlotOf(2), 2);
    EXPECT_EQ(DeviceSlotOf(3), 4);
    EXPECT_EQ(DeviceSlotOf(4), 3);
    EXPECT_EQ(DeviceSlotOf(5), 5);
    EXPECT_FALSE(DeviceSlotOf(6).has_value());
    EXPECT_FALSE(DeviceSlotOf(7).has_value());
    EXPECT_FALSE(DeviceSlotOf(-1).has_value());
}

TEST(SettingsRecords, BackupAndRestoreCopyAllBytes) {
    SettingsRecords records;
    records.working.reserved00[0] = 7;
    records.working.fireCount[1][7] = 9;
    records.TakeBackup();
    records.working = SettingsRecord{};
    records.RestoreBackup();
    EXPECT_EQ(records.working.reserved00[0], 7);
    EXPECT_EQ(records.working.fireCount[1][7], 9);
}

}  // namespace
}  // namespace corvane
