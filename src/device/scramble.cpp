#include "device/scramble.h"

namespace corvane {
namespace {

using Block = std::span<std::uint8_t, kScrambleBlockSize>;
constexpr std::size_t kLast = kScrambleBlockSize - 1;

// Each byte takes its own low bits shifted up and the top `bits` bits of the
// following byte; the last byte takes them from the first.
void RotateLeft(Block block, unsigned bits) {
    const std::uint8_t first = block[0];
    for (std::size_t i = 0; i < kLast; ++i) {
        block[i] = static_cast<std::uint8_t>((block[i] << bits) | (block[i + 1] >> (8 - bits)));
    }
    block[kLast] = static_cast<std::uint8_t>((block[kLast] << bits) | (first >> (8 - bits)));
}

// Each byte takes its own top bits shifted down and the low `bits` bits of
// the preceding byte; the first byte takes them from the last.
void RotateRight(Block block, unsigned bits) {
    const std::uint8_t last = block[kLast];
    for (std::size_t i = kLast; i > 0; --i) {
        block[i] = static_cast<std::uint8_t>((block[i] >> bits) | (block[i - 1] << (8 - bits)));
    }
    block[0] = static_cast<std::uint8_t>((block[0] >> bits) | (last << (8 - bits)));
}

void XorKey(Block block) {
    for (std::size_t i = 0; i < kScrambleBlockSize; ++i) {
        block[i] ^= kScrambleKey[i];
    }
}

}  // namespace

void ScrambleBlock(Block block) {
    RotateLeft(block, 2);
    XorKey(block);
    RotateRight(block, 3);
}

void UnscrambleBlock(Block block) {
    RotateLeft(block, 3);
    XorKey(block);
    RotateRight(block, 2);
}

}  // namespace corvane
