#include "settings/settings_record.h"

#include <gtest/gtest.h>

#include <cstring>

namespace corvane {
namespace {

TEST(SettingsRecordLayout, PerButtonArraysFollowTheLayerTimesEightRule) {
    SettingsRecord record{};
    // Layer 1, button 3 of each array lies at first offset + 8 + 3.
    record.mediaChoice[1][3] = 0x11;
    record.fireCount[1][7] = 0x22;
    record.buttonFunction[0][0] = 0x33;
    const auto bytes = record.bytes();
    EXPECT_EQ(bytes[0x33 + 8 + 3], 0x11);
    EXPECT_EQ(bytes[0xA3 + 8 + 7], 0x22);
    EXPECT_EQ(bytes[0xB2], 0x22);  // the very last byte of the record
    EXPECT_EQ(bytes[0x23], 0x33);
}

TEST(SettingsRecordLayout, LedColoursAreRedGreenBlueTriples) {
    SettingsRecord record{};
    record.ledColour[3] = {1, 2, 3};
    EXPECT_EQ(record.bytes()[0x0F + 9], 1);
    EXPECT_EQ(record.bytes()[0x0F + 11], 3);
    EXPECT_EQ(record.bytes()[0x1B], 0);  // ledMode follows directly
}

TEST(DeviceImageLayout, PagesStartAtTwoPlusSixtyFourPerPage) {
    DeviceImage image{};
    image.page(1)[0] = 0xA1;
    image.page(5)[63] = 0xA5;
    EXPECT_EQ(image.bytes()[2], 0xA1);
    EXPECT_EQ(image.bytes()[321], 0xA5);
    EXPECT_EQ(image.page5.hotKeyTable[7].key, 0xA5);
}

TEST(DeviceImageLayout, ButtonTablesOfBothLayersInPageThree) {
    DeviceImage image{};
    image.page3.buttonTable0[4] = {0xF4, 0x00};
    image.page3.buttonTable1[0] = {0x05, 0x03};
    EXPECT_EQ(image.page(3)[8], 0xF4);    // layer 0 slot 4 at page offset 8
    EXPECT_EQ(image.bytes()[162], 0x05);  // layer 1 slot 0 at page offset 32
    EXPECT_EQ(image.bytes()[163], 0x03);
}

TEST(DeviceImageLayout, NamedPageFourBytes) {
    DeviceImage image{};
    image.page4.sensorType = 3;
    image.page4.dpiCode[2] = 0x99;
    image.page4.consumerTable[15] = ToLeU16(0x0227);
    EXPECT_EQ(image.bytes()[195], 3);
    EXPECT_EQ(image.bytes()[220], 0x99);
    EXPECT_EQ(image.bytes()[256], 0x27);  // little-endian: low byte first
    EXPECT_EQ(image.bytes()[257], 0x02);
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

TEST(DefaultDeviceTables, WrittenAtTheirImageBytes) {
    DeviceImage image{};
    WriteDefaultDeviceTables(image);
    EXPECT_EQ(image.bytes()[226], 0xB5);  // entry 0: 0x00B5
    EXPECT_EQ(image.bytes()[227], 0x00);
    EXPECT_EQ(image.bytes()[240], 0x83);  // entry 7: 0x0183
    EXPECT_EQ(image.bytes()[241], 0x01);
    EXPECT_EQ(image.bytes()[306], 0xE0);  // hot key 0: Ctrl+C
    EXPECT_EQ(image.bytes()[307], 0x06);
    EXPECT_EQ(image.bytes()[321], 0x1D);  // hot key 7: Ctrl+Z
    // Nothing else is touched.
    DeviceImage expected{};
    std::memcpy(&expected.page4.consumerTable, &image.page4.consumerTable,
                sizeof image.page4.consumerTable);
    std::memcpy(&expected.page5.hotKeyTable, &image.page5.hotKeyTable,
                sizeof image.page5.hotKeyTable);
    EXPECT_EQ(std::memcmp(&expected, &image, sizeof image), 0);
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
