// The premultiply step of image loading: 32-bit pixels (blue, green, red,
// alpha) get their colour channels scaled by their alpha, as per-pixel alpha
// blending expects. Integer division truncates, so the result can be one
// below the rounded value (255 at alpha 128 gives 128, 1 at alpha 254 gives 0).
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace corvane {

constexpr std::uint8_t PremultiplyChannel(std::uint8_t channel, std::uint8_t alpha) {
    return static_cast<std::uint8_t>(channel * alpha / 255);
}

inline constexpr std::uint8_t kOpaque = 255;

// Premultiplies every whole pixel of `bgra` (4 bytes per pixel, alpha last);
// alpha itself is unchanged. Returns true when every pixel is opaque: such
// an image blends as a plain copy. (Opaque pixels stay as they are, so they
// are only looked at: the page images cover the window and are opaque.)
constexpr bool PremultiplyBgra(std::span<std::uint8_t> bgra) {
    bool opaque = true;
    for (std::size_t at = 0; at + 4 <= bgra.size(); at += 4) {
        const std::uint8_t alpha = bgra[at + 3];
        if (alpha == kOpaque) {
            continue;
        }
        opaque = false;
        for (std::size_t c = 0; c < 3; ++c) {
            bgra[at + c] = PremultiplyChannel(bgra[at + c], alpha);
        }
    }
    return opaque;
}

}  // namespace corvane
