// Keyboard key names, as the single key dialog reports them, to the code
// the mouse stores (HID keyboard usage, or a mouse button code).
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace corvane {

inline constexpr std::size_t kKeyNameCount = 106;

struct KeyName {
    std::wstring_view name;
    std::uint8_t code;
};

// The whole table, in its order.
std::span<const KeyName, kKeyNameCount> KeyNames();

// The code of the key named exactly `name` (case-sensitive), 0 for any
// other name, the empty one included.
std::uint8_t KeyCodeOfName(std::wstring_view name);

// The name of the key whose code is `code`, or an empty name when no key of
// the table has it (0 and 0x31 among them). Codes are unique in the table.
std::wstring_view KeyNameOfCode(std::uint8_t code);

}  // namespace corvane
