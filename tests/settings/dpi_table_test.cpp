#include "settings/dpi_table.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

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

TEST(DpiTable, SensorTypeZeroJumpsAfterTwoThousand) {
    EXPECT_EQ(DpiText(0, 7), L"2000");
    EXPECT_EQ(DpiCode(0, 7, 1), 0x08);
    EXPECT_EQ(DpiText(0, 8), L"2500");
    EXPECT_EQ(DpiCode(0, 11, 1), 0x28);
    EXPECT_EQ(DpiText(1, 7), L"3200");
    EXPECT_EQ(DpiCode(1, 5, 1), 0x23);
    EXPECT_EQ(DpiText(3, 6), L"2800");
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
