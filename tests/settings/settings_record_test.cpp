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
