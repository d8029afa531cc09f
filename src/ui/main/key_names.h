// Keyboard key names, as the single key dialog reports them, to the code
// the mouse stores (HID keyboard usage, or a mouse button code).
#pragma once

#include <cstdint>
#include <string_view>

namespace corvane {

inline constexpr std::size_t kKeyNameCount = 106;

// The code of the key named exactly `name` (case-sensitive), 0 for any
// other name, the empty one included.
std::uint8_t KeyCodeOfName(std::wstring_view name);

}  // namespace corvane
