// Where a key sits on the keyboard, to the key of the key name table at that
// place. The mouse sends key positions (HID keyboard usages), while the name
// a keyboard driver gives a key depends on the system's language and layout
// ("Eingabe" for Enter on a German system, "Return" under Wine) and, on
// other layouts, can name the key that sits elsewhere on a US keyboard. The
// scan code and extended flag of the key message name the position itself.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "meaning/key_names.h"

namespace corvane {

// The position of a key on the keyboard, as the key message reports it.
struct KeyPosition {
    std::uint16_t scanCode = 0;  // 0: no key was captured
    bool extended = false;
};

// One key position: the scan code and extended flag Windows reports in a key
// message (bits 16-23 and 24 of its second parameter), and the HID usage of
// the key at that place on a US keyboard.
struct KeyPositionEntry {
    std::uint8_t scanCode;
    bool extended;
    std::uint8_t code;
};

// The whole table, in the key name table's order.
std::span<const KeyPositionEntry> KeyPositions();

// The key name table's entry for the key at `position`, or nothing when the
// table has no key there (a key the name table lacks, or no key at all).
std::optional<KeyName> KeyAtPosition(KeyPosition position);

// The code to store for a key the single key dialog captured: the code of the
// key at its position, else the code of the name the driver gave it, else 0.
std::uint8_t CapturedKeyCode(KeyPosition position, std::wstring_view driverName);

}  // namespace corvane
