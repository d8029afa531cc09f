// Key positions from Linux key codes: the Linux window stores the same key
// code for a key as the Windows program, whatever the desktop calls it.
#include "ui/skin/evdev_keys.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "meaning/key_positions.h"

namespace corvane {
namespace {

constexpr HeldModifiers kHeldCombinations[] = {{}, {true, false}, {false, true}};

TEST(EvdevKeysTest, EveryPositionOfTheKeyTableHasAKeyCodeThatReportsIt) {
    for (const KeyPositionEntry& entry : KeyPositions()) {
        const Set1Position wanted{entry.scanCode, entry.extended};
        bool found = false;
        for (const EvdevKey& key : EvdevKeys()) {
            for (const HeldModifiers held : kHeldCombinations) {
                found = found || Set1PositionOfEvdev(key.code, held) == wanted;
            }
        }
        EXPECT_TRUE(found) << "scan code " << int{entry.scanCode} << (entry.extended ? " ext" : "")
                           << " (key code " << int{entry.code} << ")";
    }
}

TEST(EvdevKeysTest, TheTableIsOrderedByCodeAndNoPositionComesFromTwoCodes) {
    const auto keys = EvdevKeys();
    EXPECT_TRUE(std::is_sorted(keys.begin(), keys.end(), [](const EvdevKey& a, const EvdevKey& b) {
        return a.code < b.code;
    }));
    for (auto a = keys.begin(); a != keys.end(); ++a) {
        for (auto b = a + 1; b != keys.end(); ++b) {
            EXPECT_NE(a->code, b->code);
            EXPECT_FALSE(a->position == b->position) << "codes " << a->code << " and " << b->code;
        }
    }
}

// Native scan codes measured under X11 here are the evdev code plus 8.
TEST(EvdevKeysTest, KeysAsXReportsThemGiveTheKeysOfTheKeyTable) {
    const struct {
        int xKeycode;
        HeldModifiers held;
        std::uint8_t code;
    } measured[] = {
        {38, {}, 0x04},              // A
        {36, {}, 0x28},              // Enter
        {104, {}, 0x58},             // keypad Enter
        {133, {}, 0xE3},             // Left Super: Left Windows
        {134, {}, 0xE7},             // Right Super
        {84, {}, 0x5D},              // keypad 5, whatever Num Lock says
        {77, {}, 0x53},              // Num Lock
        {127, {}, 0x48},             // Pause
        {127, {false, true}, 0x48},  // Break: Pause with Ctrl
        {107, {}, 0x46},             // Print
        {107, {true, false}, 0x46},  // System Request: Print with Alt
        {105, {}, 0xE4},             // Right Ctrl
        {62, {}, 0xE5},              // Right Shift
    };
    for (const auto& key : measured) {
        const auto position = Set1PositionOfEvdev(key.xKeycode - 8, key.held);
        ASSERT_TRUE(position.has_value()) << key.xKeycode;
        const auto name = KeyAtPosition(KeyPosition{position->scanCode, position->extended});
        ASSERT_TRUE(name.has_value()) << key.xKeycode;
        EXPECT_EQ(name->code, key.code) << key.xKeycode;
    }
    EXPECT_FALSE(Set1PositionOfEvdev(0).has_value());
    EXPECT_FALSE(Set1PositionOfEvdev(84).has_value()) << "no key has that code";
    EXPECT_FALSE(Set1PositionOfEvdev(600).has_value());
}

}  // namespace
}  // namespace corvane
