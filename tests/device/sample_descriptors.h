// Hand-written report descriptors shared by the parser's and the Linux
// port's tests.
#pragma once

#include <cstdint>
#include <vector>

namespace corvane::testing {

using DescriptorBytes = std::vector<std::uint8_t>;

// Generic Desktop / Mouse: a pointer of five buttons and 16-bit X and Y as
// input report 2, and a 64-byte vendor feature report 3.
inline const DescriptorBytes kMouseDataCollection = {
    0x05, 0x01, 0x09, 0x02, 0xA1, 0x01,  // Usage Page 1, Usage 2, Collection (Application)
    0x85, 0x02, 0x09, 0x01, 0xA1, 0x00,  //   Report ID 2, Usage 1, Collection (Physical)
    0x05, 0x09, 0x19, 0x01, 0x29, 0x05,  //     Button page, usages 1-5
    0x15, 0x00, 0x25, 0x01, 0x95, 0x05, 0x75, 0x01, 0x81, 0x02,              // 5 x 1 bit input
    0x95, 0x01, 0x75, 0x03, 0x81, 0x01,                                      // 3 bits padding
    0x05, 0x01, 0x09, 0x30, 0x09, 0x31,                                      // X, Y
    0x16, 0x01, 0x80, 0x26, 0xFF, 0x7F, 0x75, 0x10, 0x95, 0x02, 0x81, 0x06,  // 2 x 16 bits
    0xC0,                                                                    //   End Collection
    0x06, 0x00, 0xFF, 0x09, 0x01,                                            //   vendor page
    0x85, 0x03, 0x75, 0x08, 0x96, 0x40, 0x00, 0xB1, 0x02,  //   feature 3: 64 x 8 bits
    0xC0,                                                  // End Collection
};

// Generic Desktop / Keyboard with the 7-byte vendor feature report 1.
inline const DescriptorBytes kMouseCommandCollection = {
    0x05, 0x01, 0x09, 0x06, 0xA1, 0x01,  // Usage Page 1, Usage 6, Collection (Application)
    0x85, 0x01, 0x06, 0x00, 0xFF, 0x09, 0x01, 0x75, 0x08, 0x95, 0x07, 0xB1, 0x02,  // 7 bytes
    0xC0,
};

inline DescriptorBytes Join(std::initializer_list<DescriptorBytes> parts) {
    DescriptorBytes all;
    for (const DescriptorBytes& part : parts) {
        all.insert(all.end(), part.begin(), part.end());
    }
    return all;
}

// Both collections on one device, the mouse collection first.
inline const DescriptorBytes kMouseLike = Join({kMouseDataCollection, kMouseCommandCollection});

}  // namespace corvane::testing
