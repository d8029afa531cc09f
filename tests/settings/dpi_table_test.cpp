#include "settings/dpi_table.h"

#include <gtest/gtest.h>

#include <vector>

namespace corvane {
namespace {

// The DPI lists as the mouse's sensors take them, typed from the table of
// DPI values: these codes are what Apply sends for a stage.
struct GoldenChoice {
    const wchar_t* text;
    std::uint8_t code;
};
const std::vector<std::vector<GoldenChoice>> kGolden = {
    {{L"250", 0x01},
     {L"500", 0x02},
     {L"750", 0x03},
     {L"1000", 0x04},
     {L"1250", 0x05},
     {L"1500", 0x06},
     {L"1750", 0x07},
     {L"2000", 0x08},
     {L"2500", 0x25},
     {L"3000", 0x26},
     {L"3500", 0x27},
     {L"4000", 0x28}},
    {{L"600", 0x01},
     {L"800", 0x02},
     {L"1000", 0x03},
     {L"1200", 0x04},
     {L"1600", 0x05},
     {L"2000", 0x23},
     {L"2400", 0x24},
     {L"3200", 0x25}},
    {{L"250", 0x02},
     {L"500", 0x04},
     {L"750", 0x06},
     {L"1000", 0x08},
     {L"1250", 0x0A},
     {L"1500", 0x26},
     {L"2000", 0x28},
     {L"2500", 0x2A}},
    {{L"400", 0x01},
     {L"800", 0x02},
     {L"1200", 0x03},
     {L"1600", 0x04},
     {L"2000", 0x05},
     {L"2400", 0x06},
     {L"2800", 0x07},
     {L"3200", 0x08}},
};

TEST(DpiTable, EveryTextAndCodeOfEverySensor) {
    for (std::uint8_t sensor = 0; sensor < kGolden.size(); ++sensor) {
        const auto& golden = kGolden[sensor];
        ASSERT_EQ(DpiChoicesOf(sensor).size(), golden.size()) << "sensor " << int{sensor};
        for (int i = 0; i < static_cast<int>(golden.size()); ++i) {
            SCOPED_TRACE(testing::Message() << "sensor " << int{sensor} << " index " << i);
            EXPECT_EQ(DpiText(sensor, i), golden[i].text);
            EXPECT_EQ(DpiCode(sensor, i, 1), golden[i].code);
            EXPECT_EQ(DpiCode(sensor, i, 0), golden[i].code | 0x80);
        }
    }
}

TEST(DpiTable, ListLengthsPerSensorType) {
    EXPECT_EQ(DpiChoicesOf(0).size(), 12u);
    EXPECT_EQ(DpiChoicesOf(1).size(), 8u);
    EXPECT_EQ(DpiChoicesOf(2).size(), 8u);
    EXPECT_EQ(DpiChoicesOf(3).size(), 8u);
    EXPECT_TRUE(DpiChoicesOf(4).empty());
    EXPECT_TRUE(DpiChoicesOf(255).empty());
}

TEST(DpiTable, CodeCarriesTheEnabledFlagInBitSeven) {
    EXPECT_EQ(DpiCode(0, 8, 1), 0x25);
    EXPECT_EQ(DpiCode(0, 8, 0), 0xA5);
    EXPECT_EQ(DpiCode(0, 8, 2), 0x25);  // any non-zero flag enables
    EXPECT_EQ(DpiCode(2, 0, 1), 0x02);
    EXPECT_EQ(DpiText(2, 0), L"250");
}

TEST(DpiTable, UnknownSensorGivesEmptyTextAndBareFlagBit) {
    EXPECT_EQ(DpiText(4, 0), L"");
    EXPECT_EQ(DpiCode(4, 0, 1), 0x00);
    EXPECT_EQ(DpiCode(4, 0, 0), 0x80);
    EXPECT_EQ(DpiCode(200, 3, 0), 0x80);
}

TEST(DpiTable, IndexOutsideTheListStaysInBounds) {
    EXPECT_EQ(DpiText(0, 12), L"");
    EXPECT_EQ(DpiText(1, 8), L"");
    EXPECT_EQ(DpiText(3, 255), L"");
    EXPECT_EQ(DpiText(0, -1), L"");
    EXPECT_EQ(DpiCode(0, 12, 1), 0x00);
    EXPECT_EQ(DpiCode(1, 255, 0), 0x80);
}

}  // namespace
}  // namespace corvane
