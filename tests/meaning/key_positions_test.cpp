#include "meaning/key_positions.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>

namespace corvane {
namespace {

struct GoldenKey {
    int scanCode;
    bool extended;
    const wchar_t* name;
    int code;
};

// Key messages as a US keyboard produces them under Windows, and the key name
// table's entry the mouse must receive for each.
constexpr GoldenKey kGolden[] = {
    {0x1E, false, L"A", 0x04},           {0x10, false, L"Q", 0x14},
    {0x11, false, L"W", 0x1A},           {0x15, false, L"Y", 0x1C},
    {0x2C, false, L"Z", 0x1D},           {0x32, false, L"M", 0x10},
    {0x02, false, L"1", 0x1E},           {0x0B, false, L"0", 0x27},
    {0x1C, false, L"Enter", 0x28},       {0x1C, true, L"Num Enter", 0x58},
    {0x01, false, L"Esc", 0x29},         {0x0E, false, L"Backspace", 0x2A},
    {0x39, false, L"Space", 0x2C},       {0x29, false, L"`", 0x35},
    {0x35, false, L"/", 0x38},           {0x35, true, L"Num /", 0x54},
    {0x3A, false, L"Caps Lock", 0x39},   {0x3B, false, L"F1", 0x3A},
    {0x44, false, L"F10", 0x43},         {0x57, false, L"F11", 0x44},
    {0x58, false, L"F12", 0x45},         {0x37, true, L"Prnt Scrn", 0x46},
    {0x37, false, L"Num *", 0x55},       {0x46, false, L"Scroll Lock", 0x47},
    {0x45, false, L"Pause", 0x48},       {0x45, true, L"Num Lock", 0x53},
    {0x53, true, L"Delete", 0x4C},       {0x53, false, L"Num Del", 0x63},
    {0x48, true, L"Up", 0x52},           {0x48, false, L"Num 8", 0x60},
    {0x4C, false, L"Num 5", 0x5D},       {0x52, false, L"Num 0", 0x62},
    {0x1D, false, L"Ctrl", 0xE0},        {0x1D, true, L"Right Ctrl", 0xE4},
    {0x2A, false, L"Shift", 0xE1},       {0x36, false, L"Right Shift", 0xE5},
    {0x38, false, L"Alt", 0xE2},         {0x38, true, L"Right Alt", 0xE6},
    {0x5B, true, L"Left Windows", 0xE3}, {0x5C, true, L"Right Windows", 0xE7},
};

KeyPosition At(int scanCode, bool extended) {
    return KeyPosition{static_cast<std::uint16_t>(scanCode), extended};
}

TEST(KeyPositionsTest, TypicalKeysGiveTheirNameAndCode) {
    for (const GoldenKey& golden : kGolden) {
        SCOPED_TRACE(std::to_string(golden.scanCode) + (golden.extended ? " ext" : ""));
        const auto key = KeyAtPosition(At(golden.scanCode, golden.extended));
        ASSERT_TRUE(key.has_value());
        EXPECT_EQ(key->name, golden.name);
        EXPECT_EQ(key->code, golden.code);
        // The position wins whatever the driver calls the key.
        EXPECT_EQ(CapturedKeyCode(At(golden.scanCode, golden.extended), L"Eingabe"), golden.code);
    }
}

TEST(KeyPositionsTest, PauseAndPrintScreenAlsoAtTheirModifiedPositions) {
    EXPECT_EQ(CapturedKeyCode(At(0x46, true), L"Break"), 0x48);     // Ctrl+Pause
    EXPECT_EQ(CapturedKeyCode(At(0x54, false), L"Sys Req"), 0x46);  // Alt+Prnt Scrn
}

TEST(KeyPositionsTest, LayoutAndLanguageOfTheDriverNameDoNotMatter) {
    // A German keyboard's "Y" sits where a US keyboard has Z: the mouse gets Z.
    EXPECT_EQ(CapturedKeyCode(At(0x2C, false), L"Y"), 0x1D);
    // Wine's names for Enter and keypad 5 are not in the name table.
    EXPECT_EQ(CapturedKeyCode(At(0x1C, false), L"Return"), 0x28);
    EXPECT_EQ(CapturedKeyCode(At(0x4C, false), L"KP_Begin"), 0x5D);
    // On English Windows the position and the name agree.
    EXPECT_EQ(CapturedKeyCode(At(0x4C, false), L"Num 5"), KeyCodeOfName(L"Num 5"));
}

TEST(KeyPositionsTest, UnknownPositionFallsBackToTheDriverNameThenZero) {
    EXPECT_FALSE(KeyAtPosition(At(0, false)).has_value());  // no key captured
    EXPECT_EQ(CapturedKeyCode(At(0, false), L""), 0);
    EXPECT_EQ(CapturedKeyCode(At(0, false), L"Num 5"), 0x5D);
    // Backslash (0x2B) has no name; ISO keys 0x56 and extended letters do not exist.
    EXPECT_FALSE(KeyAtPosition(At(0x2B, false)).has_value());
    EXPECT_EQ(CapturedKeyCode(At(0x2B, false), L"\\"), 0);
    EXPECT_EQ(CapturedKeyCode(At(0x2B, false), L"Eurpo(Note 2)"), 0x32);
    EXPECT_EQ(CapturedKeyCode(At(0x56, false), L"<"), 0);
    EXPECT_EQ(CapturedKeyCode(At(0x1E, true), L"A"), 0x04);
    EXPECT_EQ(CapturedKeyCode(At(0x1E, true), L"Foo"), 0);
    // Scan codes above a byte never match a one-byte table entry.
    EXPECT_EQ(CapturedKeyCode(At(0x11E, false), L""), 0);
    EXPECT_EQ(CapturedKeyCode(At(0xFFFF, true), L"Tab"), 0x2B);
}

TEST(KeyPositionsTest, PositionsAreUniqueAndCoverTheNamedKeyboardKeys) {
    std::set<std::pair<int, bool>> positions;
    std::set<int> codes;
    for (const KeyPositionEntry& entry : KeyPositions()) {
        EXPECT_TRUE(positions.insert({entry.scanCode, entry.extended}).second)
            << int(entry.scanCode) << ' ' << entry.extended;
        EXPECT_FALSE(KeyNameOfCode(entry.code).empty()) << int(entry.code);
        codes.insert(entry.code);
    }
    for (const KeyName& key : KeyNames()) {
        const bool mouseButton = key.code >= 0xF0;
        const bool sharesBackslash = key.code == 0x32;
        EXPECT_EQ(codes.count(key.code), mouseButton || sharesBackslash ? 0u : 1u) << int(key.code);
    }
}

}  // namespace
}  // namespace corvane
