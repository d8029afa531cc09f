// The colours every skinned window draws with: its texts, and the background
// of its list and edit children.
#pragma once

#include <cstdint>

namespace corvane {

struct ColourWord {
    std::uint8_t red;
    std::uint8_t green;
    std::uint8_t blue;
    friend constexpr bool operator==(const ColourWord&, const ColourWord&) = default;
};

inline constexpr ColourWord kTextColour{0, 255, 198};
inline constexpr ColourWord kListBackground{26, 54, 51};

}  // namespace corvane
