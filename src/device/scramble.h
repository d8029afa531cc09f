// The fixed-key transform every report to and from the mouse goes through:
// seven bytes at a time, read as one 56-bit number (first byte most
// significant).
#pragma once

#include <array>
#include <cstdint>
#include <span>

namespace corvane {

inline constexpr std::size_t kScrambleBlockSize = 7;
inline constexpr std::array<std::uint8_t, kScrambleBlockSize> kScrambleKey = {
    0x3D, 0x91, 0xC4, 0x0E, 0x7A, 0x25, 0xB8};

// Rotate left by 2 bits, XOR with the key, rotate right by 3 bits.
void ScrambleBlock(std::span<std::uint8_t, kScrambleBlockSize> block);
// The inverse: rotate left by 3 bits, XOR with the key, rotate right by 2.
void UnscrambleBlock(std::span<std::uint8_t, kScrambleBlockSize> block);

}  // namespace corvane
