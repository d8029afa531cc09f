// Where a key sits, from the key code Linux gives it (the evdev code; X11
// and Wayland report it plus 8) to the keyboard's set-1 scan code and
// extended flag that Windows reports for the same position, which the key
// position table of the key page reads. The positions are those of a PC
// keyboard; a code without a PC position has none.
#pragma once

#include <cstdint>
#include <optional>
#include <span>

namespace corvane {

struct Set1Position {
    std::uint8_t scanCode;
    bool extended;
    friend constexpr bool operator==(const Set1Position&, const Set1Position&) = default;
};

// The modifiers held when a key event came: two keys report another
// position while one is held, as they do on Windows.
struct HeldModifiers {
    bool alt = false;
    bool control = false;
};

struct EvdevKey {
    int code;
    Set1Position position;
};

// Every evdev code this table knows, in code order.
std::span<const EvdevKey> EvdevKeys();

// The set-1 position of evdev key `code`: Print Screen while Alt is held
// is System Request (0x54) and Pause while Ctrl is held is Break (0x46,
// extended), as Windows reports them.
std::optional<Set1Position> Set1PositionOfEvdev(int code, HeldModifiers held = {});

}  // namespace corvane
