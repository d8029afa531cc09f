// The scramble transform against blocks worked out by hand from its byte
// description, against a bit-by-bit model of the 56-bit rotations, and the
// round trip.
#include <gtest/gtest.h>

#include <array>
#include <bitset>
#include <random>

#include "device/reports.h"
#include "device/scramble.h"

namespace corvane {
namespace {

using Block = std::array<std::uint8_t, 7>;

Block Scrambled(Block b) {
    ScrambleBlock(b);
    return b;
}
Block Unscrambled(Block b) {
    UnscrambleBlock(b);
    return b;
}

struct Vector {
    const char* what;
    Block plain;
    Block wire;
};

// Worked by hand: rotate left 2, XOR 3D 91 C4 0E 7A 25 B8, rotate right 3.
constexpr Vector kVectors[] = {
    {"read header",
     {0xAA, 0xCC, 0xEE, 0xDD, 0x80, 0x00, 0x00},
     {0x52, 0xD4, 0x4F, 0xEF, 0x0F, 0x44, 0xB7}},
    {"read page 1",
     {0xAA, 0xCC, 0xEE, 0xDD, 0x81, 0x00, 0x00},
     {0x52, 0xD4, 0x4F, 0xEF, 0x0F, 0xC4, 0xB7}},
    {"read page 5",
     {0xAA, 0xCC, 0xEE, 0xDD, 0x85, 0x00, 0x00},
     {0x52, 0xD4, 0x4F, 0xEF, 0x0D, 0xC4, 0xB7}},
    {"write header 08 02",
     {0xAA, 0xCC, 0xEE, 0xDD, 0x00, 0x08, 0x02},
     {0x52, 0xD4, 0x4F, 0xEF, 0x4F, 0x40, 0xB6}},
    {"write page 3",
     {0xAA, 0xCC, 0xEE, 0xDD, 0x03, 0x00, 0x00},
     {0x52, 0xD4, 0x4F, 0xEF, 0x4E, 0xC4, 0xB7}},
    {"header reply 08 03",
     {0xAA, 0xCC, 0xEE, 0xDD, 0x80, 0x08, 0x03},
     {0xD2, 0xD4, 0x4F, 0xEF, 0x0F, 0x40, 0xB6}},
    {"zeros", {0, 0, 0, 0, 0, 0, 0}, {0x07, 0xB2, 0x38, 0x81, 0xCF, 0x44, 0xB7}},
    {"ones",
     {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF},
     {0xF8, 0x4D, 0xC7, 0x7E, 0x30, 0xBB, 0x48}},
    {"counting", {1, 2, 3, 4, 5, 6, 7}, {0x87, 0x33, 0x39, 0x03, 0xCD, 0xC7, 0xB4}},
};

TEST(ScrambleTest, MatchesHandComputedBlocksBothWays) {
    for (const Vector& v : kVectors) {
        EXPECT_EQ(Scrambled(v.plain), v.wire) << v.what;
        EXPECT_EQ(Unscrambled(v.wire), v.plain) << v.what;
    }
}

// The block as 56 bits, bit 0 the top bit of the first byte.
using Bits = std::bitset<56>;
Bits ToBits(const Block& b) {
    Bits bits;
    for (std::size_t i = 0; i < 56; ++i) {
        bits[i] = (b[i / 8] >> (7 - i % 8)) & 1;
    }
    return bits;
}
Block FromBits(const Bits& bits) {
    Block b{};
    for (std::size_t i = 0; i < 56; ++i) {
        b[i / 8] = static_cast<std::uint8_t>(b[i / 8] | (bits[i] << (7 - i % 8)));
    }
    return b;
}
// Rotating left by n: the bit at position i comes from position i + n.
Bits RotateLeft(const Bits& bits, std::size_t n) {
    Bits out;
    for (std::size_t i = 0; i < 56; ++i) {
        out[i] = bits[(i + n) % 56];
    }
    return out;
}
Bits ModelScramble(const Bits& bits) {
    const Bits key = ToBits({0x3D, 0x91, 0xC4, 0x0E, 0x7A, 0x25, 0xB8});
    return RotateLeft(RotateLeft(bits, 2) ^ key, 56 - 3);
}

TEST(ScrambleTest, AgreesWithABitModelAndRoundTripsOnRandomBlocks) {
    std::mt19937 random(20240611);
    std::uniform_int_distribution<int> byte(0, 255);
    for (int n = 0; n < 20000; ++n) {
        Block block;
        for (auto& b : block) {
            b = static_cast<std::uint8_t>(byte(random));
        }
        const Block wire = Scrambled(block);
        ASSERT_EQ(wire, FromBits(ModelScramble(ToBits(block))));
        ASSERT_EQ(Unscrambled(wire), block);
        ASSERT_EQ(Scrambled(Unscrambled(block)), block);
    }
}

TEST(ScrambleTest, EverySingleBitBlockRoundTrips) {
    for (int bit = 0; bit < 56; ++bit) {
        Block block{};
        block[bit / 8] = static_cast<std::uint8_t>(0x80 >> (bit % 8));
        EXPECT_EQ(Unscrambled(Scrambled(block)), block) << bit;
        EXPECT_EQ(Scrambled(block), FromBits(ModelScramble(ToBits(block)))) << bit;
    }
}

TEST(ScrambleTest, CommandReportKeepsItsReportIdPlain) {
    CommandBytes report = ToBytes(MakeCommandReport(kCommandReadHeader));
    ScrambleCommandReport(report);
    EXPECT_EQ(report, (CommandBytes{0x01, 0x52, 0xD4, 0x4F, 0xEF, 0x0F, 0x44, 0xB7}));
    UnscrambleCommandReport(report);
    EXPECT_EQ(report, (CommandBytes{0x01, 0xAA, 0xCC, 0xEE, 0xDD, 0x80, 0x00, 0x00}));
}

TEST(ScrambleTest, DataReportLeavesEveryEighthBytePlain) {
    std::array<std::uint8_t, kPageSize> page;
    for (std::size_t k = 0; k < page.size(); ++k) {
        page[k] = static_cast<std::uint8_t>(k);
    }
    DataBytes report = ToBytes(MakeDataReport(page));
    ScrambleDataReport(report);
    // Worked by hand: report id, then per group the plain byte and a block.
    constexpr DataBytes kWire = {0x00, 0x00, 0x87, 0x33, 0x39, 0x03, 0xCD, 0xC7, 0xB4, 0x08, 0x83,
                                 0x37, 0x3D, 0x07, 0xC9, 0xC3, 0xB0, 0x10, 0x8F, 0x3B, 0x31, 0x0B,
                                 0xC5, 0xCF, 0xBC, 0x18, 0x8B, 0x3F, 0x35, 0x0F, 0xC1, 0xCB, 0xB8,
                                 0x20, 0x97, 0x23, 0x29, 0x13, 0xDD, 0xD7, 0xA4, 0x28, 0x93, 0x27,
                                 0x2D, 0x17, 0xD9, 0xD3, 0xA0, 0x30, 0x9F, 0x2B, 0x21, 0x1B, 0xD5,
                                 0xDF, 0xAC, 0x38, 0x9B, 0x2F, 0x25, 0x1F, 0xD1, 0xDB, 0xA8};
    EXPECT_EQ(report, kWire);
    for (std::size_t g = 0; g < kDataGroupCount; ++g) {
        EXPECT_EQ(report[1 + 8 * g], page[8 * g]) << "report byte " << 1 + 8 * g;
    }
    UnscrambleDataReport(report);
    EXPECT_EQ(report, ToBytes(MakeDataReport(page)));
}

}  // namespace
}  // namespace corvane
