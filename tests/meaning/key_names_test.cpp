#include "meaning/key_names.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace corvane {
namespace {

TEST(KeyNamesTest, NamedCodes) {
    EXPECT_EQ(KeyCodeOfName(L"Num 5"), 0x5D);
    EXPECT_EQ(KeyCodeOfName(L"Num Del"), 0x63);
    EXPECT_EQ(KeyCodeOfName(L"Prnt Scrn"), 0x46);
    EXPECT_EQ(KeyCodeOfName(L"Right Ctrl"), 0xE4);
    EXPECT_EQ(KeyCodeOfName(L"Ctrl"), 0xE0);
    EXPECT_EQ(KeyCodeOfName(L"Eurpo(Note 2)"), 0x32);
    EXPECT_EQ(KeyCodeOfName(L"M-Button"), 0xF2);
    EXPECT_EQ(KeyCodeOfName(L"Caps Lock"), 0x39);
    EXPECT_EQ(KeyCodeOfName(L"Up"), 0x52);
    EXPECT_EQ(KeyCodeOfName(L"Right Windows"), 0xE7);
}

TEST(KeyNamesTest, ConsecutiveRowsFromTheirFirstCode) {
    for (wchar_t letter = L'A'; letter <= L'Z'; ++letter) {
        EXPECT_EQ(KeyCodeOfName(std::wstring(1, letter)), 0x04 + (letter - L'A'));
    }
    const std::wstring digits = L"1234567890";
    for (std::size_t i = 0; i < digits.size(); ++i) {
        EXPECT_EQ(KeyCodeOfName(digits.substr(i, 1)), 0x1E + i);
    }
    for (int f = 1; f <= 12; ++f) {
        EXPECT_EQ(KeyCodeOfName(L"F" + std::to_wstring(f)), 0x3A + f - 1);
    }
    const wchar_t* punctuation[] = {L";", L"'", L"`", L",", L".", L"/"};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(KeyCodeOfName(punctuation[i]), 0x33 + i);
    }
}

TEST(KeyNamesTest, ExactCaseSensitiveWholeNamesOnly) {
    for (const wchar_t* name : {L"", L"a", L"ENTER", L"enter", L"Num5", L"Num 5 ", L" A", L"\\",
                                L"Eurpo", L"Ctrl+", L"L-button", L"Return", L"KP_Begin"}) {
        EXPECT_EQ(KeyCodeOfName(name), 0) << std::wstring(name).size();
    }
    EXPECT_EQ(KeyCodeOfName(L"Enter"), 0x28);
    EXPECT_EQ(KeyCodeOfName(std::wstring_view(L"Enterprise", 5)), 0x28);
}

TEST(KeyNamesTest, NamesAndCodesAreUniqueAndBackslashHasNone) {
    std::set<std::wstring_view> names;
    std::set<std::uint8_t> codes;
    for (const KeyName& key : KeyNames()) {
        EXPECT_TRUE(names.insert(key.name).second) << key.name.size();
        EXPECT_TRUE(codes.insert(key.code).second) << int(key.code);
        EXPECT_EQ(KeyCodeOfName(key.name), key.code);
        for (const wchar_t c : key.name) {
            EXPECT_LT(c, 0x80);
        }
    }
    EXPECT_EQ(names.size(), 106u);
    EXPECT_EQ(codes.count(0x31), 0u);
    EXPECT_EQ(codes.count(0), 0u);
    // Keyboard usages 0x04-0x63 except 0x31, the eight modifiers, three buttons.
    EXPECT_EQ(*codes.begin(), 0x04);
    EXPECT_EQ(*codes.rbegin(), 0xF2);
}

TEST(KeyNamesTest, NameOfCodeIsTheReverseLookupAndEmptyForUnnamedCodes) {
    EXPECT_EQ(KeyNameOfCode(0x04), L"A");
    EXPECT_EQ(KeyNameOfCode(0x28), L"Enter");
    EXPECT_EQ(KeyNameOfCode(0x32), L"Eurpo(Note 2)");
    EXPECT_EQ(KeyNameOfCode(0x5D), L"Num 5");
    EXPECT_EQ(KeyNameOfCode(0xE0), L"Ctrl");
    EXPECT_EQ(KeyNameOfCode(0xF2), L"M-Button");
    for (const std::uint8_t unnamed : {0x00, 0x01, 0x03, 0x31, 0x64, 0xDF, 0xE8, 0xF3, 0xFF}) {
        EXPECT_TRUE(KeyNameOfCode(unnamed).empty()) << int(unnamed);
    }
    for (const KeyName& key : KeyNames()) {
        EXPECT_EQ(KeyNameOfCode(key.code), key.name);
    }
}

}  // namespace
}  // namespace corvane
