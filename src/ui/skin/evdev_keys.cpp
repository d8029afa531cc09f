#include "ui/skin/evdev_keys.h"

#include <algorithm>
#include <iterator>

namespace corvane {
namespace {

constexpr bool kExt = true;
constexpr bool kPlain = false;

// The main block (codes 1 to 88) was numbered after the set-1 scan codes,
// so there code and scan code agree; the keys Windows reports with the
// extended flag came later and have codes of their own.
constexpr EvdevKey kEvdevKeys[] = {
    {1, {0x01, kPlain}},    // Esc
    {2, {0x02, kPlain}},    // 1
    {3, {0x03, kPlain}},    // 2
    {4, {0x04, kPlain}},    // 3
    {5, {0x05, kPlain}},    // 4
    {6, {0x06, kPlain}},    // 5
    {7, {0x07, kPlain}},    // 6
    {8, {0x08, kPlain}},    // 7
    {9, {0x09, kPlain}},    // 8
    {10, {0x0A, kPlain}},   // 9
    {11, {0x0B, kPlain}},   // 0
    {12, {0x0C, kPlain}},   // -
    {13, {0x0D, kPlain}},   // =
    {14, {0x0E, kPlain}},   // Backspace
    {15, {0x0F, kPlain}},   // Tab
    {16, {0x10, kPlain}},   // Q
    {17, {0x11, kPlain}},   // W
    {18, {0x12, kPlain}},   // E
    {19, {0x13, kPlain}},   // R
    {20, {0x14, kPlain}},   // T
    {21, {0x15, kPlain}},   // Y
    {22, {0x16, kPlain}},   // U
    {23, {0x17, kPlain}},   // I
    {24, {0x18, kPlain}},   // O
    {25, {0x19, kPlain}},   // P
    {26, {0x1A, kPlain}},   // [
    {27, {0x1B, kPlain}},   // ]
    {28, {0x1C, kPlain}},   // Enter
    {29, {0x1D, kPlain}},   // Left Ctrl
    {30, {0x1E, kPlain}},   // A
    {31, {0x1F, kPlain}},   // S
    {32, {0x20, kPlain}},   // D
    {33, {0x21, kPlain}},   // F
    {34, {0x22, kPlain}},   // G
    {35, {0x23, kPlain}},   // H
    {36, {0x24, kPlain}},   // J
    {37, {0x25, kPlain}},   // K
    {38, {0x26, kPlain}},   // L
    {39, {0x27, kPlain}},   // ;
    {40, {0x28, kPlain}},   // '
    {41, {0x29, kPlain}},   // `
    {42, {0x2A, kPlain}},   // Left Shift
    {43, {0x2B, kPlain}},   // backslash
    {44, {0x2C, kPlain}},   // Z
    {45, {0x2D, kPlain}},   // X
    {46, {0x2E, kPlain}},   // C
    {47, {0x2F, kPlain}},   // V
    {48, {0x30, kPlain}},   // B
    {49, {0x31, kPlain}},   // N
    {50, {0x32, kPlain}},   // M
    {51, {0x33, kPlain}},   // ,
    {52, {0x34, kPlain}},   // .
    {53, {0x35, kPlain}},   // /
    {54, {0x36, kPlain}},   // Right Shift
    {55, {0x37, kPlain}},   // Num *
    {56, {0x38, kPlain}},   // Left Alt
    {57, {0x39, kPlain}},   // Space
    {58, {0x3A, kPlain}},   // Caps Lock
    {59, {0x3B, kPlain}},   // F1
    {60, {0x3C, kPlain}},   // F2
    {61, {0x3D, kPlain}},   // F3
    {62, {0x3E, kPlain}},   // F4
    {63, {0x3F, kPlain}},   // F5
    {64, {0x40, kPlain}},   // F6
    {65, {0x41, kPlain}},   // F7
    {66, {0x42, kPlain}},   // F8
    {67, {0x43, kPlain}},   // F9
    {68, {0x44, kPlain}},   // F10
    {69, {0x45, kExt}},     // Num Lock: Windows reports it extended
    {70, {0x46, kPlain}},   // Scroll Lock
    {71, {0x47, kPlain}},   // Num 7
    {72, {0x48, kPlain}},   // Num 8
    {73, {0x49, kPlain}},   // Num 9
    {74, {0x4A, kPlain}},   // Num -
    {75, {0x4B, kPlain}},   // Num 4
    {76, {0x4C, kPlain}},   // Num 5
    {77, {0x4D, kPlain}},   // Num 6
    {78, {0x4E, kPlain}},   // Num +
    {79, {0x4F, kPlain}},   // Num 1
    {80, {0x50, kPlain}},   // Num 2
    {81, {0x51, kPlain}},   // Num 3
    {82, {0x52, kPlain}},   // Num 0
    {83, {0x53, kPlain}},   // Num Del
    {86, {0x56, kPlain}},   // the key left of Z on European keyboards
    {87, {0x57, kPlain}},   // F11
    {88, {0x58, kPlain}},   // F12
    {96, {0x1C, kExt}},     // Num Enter
    {97, {0x1D, kExt}},     // Right Ctrl
    {98, {0x35, kExt}},     // Num /
    {99, {0x37, kExt}},     // Print Screen
    {100, {0x38, kExt}},    // Right Alt
    {102, {0x47, kExt}},    // Home
    {103, {0x48, kExt}},    // Up
    {104, {0x49, kExt}},    // Page Up
    {105, {0x4B, kExt}},    // Left
    {106, {0x4D, kExt}},    // Right
    {107, {0x4F, kExt}},    // End
    {108, {0x50, kExt}},    // Down
    {109, {0x51, kExt}},    // Page Down
    {110, {0x52, kExt}},    // Insert
    {111, {0x53, kExt}},    // Delete
    {119, {0x45, kPlain}},  // Pause: Windows reports it plain
    {125, {0x5B, kExt}},    // Left Windows (Super)
    {126, {0x5C, kExt}},    // Right Windows (Super)
    {127, {0x5D, kExt}},    // Menu
    {411, {0x46, kExt}},    // Break, where a keyboard sends it as a key of its own
};

constexpr int kPrintScreen = 99;
constexpr int kPause = 119;
constexpr Set1Position kSystemRequest{0x54, kPlain};
constexpr Set1Position kBreak{0x46, kExt};

}  // namespace

std::span<const EvdevKey> EvdevKeys() {
    return kEvdevKeys;
}

std::optional<Set1Position> Set1PositionOfEvdev(int code, HeldModifiers held) {
    if (code == kPrintScreen && held.alt) {
        return kSystemRequest;
    }
    if (code == kPause && held.control) {
        return kBreak;
    }
    const auto key = std::lower_bound(std::begin(kEvdevKeys), std::end(kEvdevKeys), code,
                                      [](const EvdevKey& k, int c) { return k.code < c; });
    if (key == std::end(kEvdevKeys) || key->code != code) {
        return std::nullopt;
    }
    return key->position;
}

}  // namespace corvane
