#include "meaning/key_positions.h"

#include <algorithm>
#include <iterator>

namespace corvane {
namespace {

// Scan codes of the keyboard's set 1 as Windows reports them. Keys that
// exist twice (Enter, Ctrl, Alt, '/', the arrows and the editing block
// beside their keypad twins) differ only in the extended flag. Not listed:
// the mouse's buttons (no keyboard position) and "Eurpo(Note 2)", whose
// scan code 0x2B is the backslash key's, which has no name.
constexpr bool kExt = true;
constexpr bool kPlain = false;

constexpr KeyPositionEntry kKeyPositions[] = {
    // Letters, at their US positions.
    {0x1E, kPlain, 0x04},  // A
    {0x30, kPlain, 0x05},  // B
    {0x2E, kPlain, 0x06},  // C
    {0x20, kPlain, 0x07},  // D
    {0x12, kPlain, 0x08},  // E
    {0x21, kPlain, 0x09},  // F
    {0x22, kPlain, 0x0A},  // G
    {0x23, kPlain, 0x0B},  // H
    {0x17, kPlain, 0x0C},  // I
    {0x24, kPlain, 0x0D},  // J
    {0x25, kPlain, 0x0E},  // K
    {0x26, kPlain, 0x0F},  // L
    {0x32, kPlain, 0x10},  // M
    {0x31, kPlain, 0x11},  // N
    {0x18, kPlain, 0x12},  // O
    {0x19, kPlain, 0x13},  // P
    {0x10, kPlain, 0x14},  // Q
    {0x13, kPlain, 0x15},  // R
    {0x1F, kPlain, 0x16},  // S
    {0x14, kPlain, 0x17},  // T
    {0x16, kPlain, 0x18},  // U
    {0x2F, kPlain, 0x19},  // V
    {0x11, kPlain, 0x1A},  // W
    {0x2D, kPlain, 0x1B},  // X
    {0x15, kPlain, 0x1C},  // Y
    {0x2C, kPlain, 0x1D},  // Z
    // The digit row, 1 to 0.
    {0x02, kPlain, 0x1E},
    {0x03, kPlain, 0x1F},
    {0x04, kPlain, 0x20},
    {0x05, kPlain, 0x21},
    {0x06, kPlain, 0x22},
    {0x07, kPlain, 0x23},
    {0x08, kPlain, 0x24},
    {0x09, kPlain, 0x25},
    {0x0A, kPlain, 0x26},
    {0x0B, kPlain, 0x27},
    {0x1C, kPlain, 0x28},  // Enter
    {0x01, kPlain, 0x29},  // Esc
    {0x0E, kPlain, 0x2A},  // Backspace
    {0x0F, kPlain, 0x2B},  // Tab
    {0x39, kPlain, 0x2C},  // Space
    {0x0C, kPlain, 0x2D},  // -
    {0x0D, kPlain, 0x2E},  // =
    {0x1A, kPlain, 0x2F},  // [
    {0x1B, kPlain, 0x30},  // ]
    {0x27, kPlain, 0x33},  // ;
    {0x28, kPlain, 0x34},  // '
    {0x29, kPlain, 0x35},  // `
    {0x33, kPlain, 0x36},  // ,
    {0x34, kPlain, 0x37},  // .
    {0x35, kPlain, 0x38},  // /
    {0x3A, kPlain, 0x39},  // Caps Lock
    // F1 to F10 are consecutive; F11 and F12 came later and sit elsewhere.
    {0x3B, kPlain, 0x3A},
    {0x3C, kPlain, 0x3B},
    {0x3D, kPlain, 0x3C},
    {0x3E, kPlain, 0x3D},
    {0x3F, kPlain, 0x3E},
    {0x40, kPlain, 0x3F},
    {0x41, kPlain, 0x40},
    {0x42, kPlain, 0x41},
    {0x43, kPlain, 0x42},
    {0x44, kPlain, 0x43},
    {0x57, kPlain, 0x44},
    {0x58, kPlain, 0x45},
    {0x37, kExt, 0x46},    // Prnt Scrn
    {0x54, kPlain, 0x46},  // Prnt Scrn while Alt is held (reported as SysRq)
    {0x46, kPlain, 0x47},  // Scroll Lock
    {0x45, kPlain, 0x48},  // Pause: Windows reports it without the extended flag
    {0x46, kExt, 0x48},    // Pause while Ctrl is held (reported as Break)
    {0x52, kExt, 0x49},    // Insert
    {0x47, kExt, 0x4A},    // Home
    {0x49, kExt, 0x4B},    // Page Up
    {0x53, kExt, 0x4C},    // Delete
    {0x4F, kExt, 0x4D},    // End
    {0x51, kExt, 0x4E},    // Page Down
    {0x4D, kExt, 0x4F},    // Right
    {0x4B, kExt, 0x50},    // Left
    {0x50, kExt, 0x51},    // Down
    {0x48, kExt, 0x52},    // Up
    // The keypad. Its digit keys keep their position whatever Num Lock says.
    {0x45, kExt, 0x53},    // Num Lock: reported with the extended flag
    {0x35, kExt, 0x54},    // Num /
    {0x37, kPlain, 0x55},  // Num *
    {0x4A, kPlain, 0x56},  // Num -
    {0x4E, kPlain, 0x57},  // Num +
    {0x1C, kExt, 0x58},    // Num Enter
    {0x4F, kPlain, 0x59},  // Num 1
    {0x50, kPlain, 0x5A},  // Num 2
    {0x51, kPlain, 0x5B},  // Num 3
    {0x4B, kPlain, 0x5C},  // Num 4
    {0x4C, kPlain, 0x5D},  // Num 5
    {0x4D, kPlain, 0x5E},  // Num 6
    {0x47, kPlain, 0x5F},  // Num 7
    {0x48, kPlain, 0x60},  // Num 8
    {0x49, kPlain, 0x61},  // Num 9
    {0x52, kPlain, 0x62},  // Num 0
    {0x53, kPlain, 0x63},  // Num Del
    // Modifiers. Right Shift is the one right-hand modifier without the
    // extended flag.
    {0x1D, kPlain, 0xE0},  // Ctrl
    {0x2A, kPlain, 0xE1},  // Shift
    {0x38, kPlain, 0xE2},  // Alt
    {0x5B, kExt, 0xE3},    // Left Windows
    {0x1D, kExt, 0xE4},    // Right Ctrl
    {0x36, kPlain, 0xE5},  // Right Shift
    {0x38, kExt, 0xE6},    // Right Alt
    {0x5C, kExt, 0xE7},    // Right Windows
};
// Every keyboard key of the name table but one, plus the two keys reported
// at a second position while a modifier is held.
static_assert(std::size(kKeyPositions) == kKeyNameCount - 3 - 1 + 2);

bool IsAt(const KeyPositionEntry& entry, KeyPosition position) {
    return entry.scanCode == position.scanCode && entry.extended == position.extended;
}

}  // namespace

std::span<const KeyPositionEntry> KeyPositions() {
    return kKeyPositions;
}

std::optional<KeyName> KeyAtPosition(KeyPosition position) {
    const auto entry =
        std::find_if(std::begin(kKeyPositions), std::end(kKeyPositions),
                     [position](const KeyPositionEntry& e) { return IsAt(e, position); });
    if (entry == std::end(kKeyPositions)) {
        return std::nullopt;
    }
    return KeyName{KeyNameOfCode(entry->code), entry->code};
}

std::uint8_t CapturedKeyCode(KeyPosition position, std::wstring_view driverName) {
    if (const auto key = KeyAtPosition(position)) {
        return key->code;
    }
    return KeyCodeOfName(driverName);
}

}  // namespace corvane
