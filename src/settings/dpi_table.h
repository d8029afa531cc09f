// The DPI choices of each sensor type: display text and device code. The
// position in a list is the DPI index the SettingsRecord stores.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace corvane {

struct DpiChoice {
    std::wstring_view text;
    std::uint8_t code;  // device code, bit 7 clear
};

inline constexpr int kSensorTypeCount = 4;
inline constexpr std::uint8_t kDpiDisabledBit = 0x80;

// The list of a sensor type; empty for a type outside 0-3.
std::span<const DpiChoice> DpiChoicesOf(std::uint8_t sensorType);

// The text of (sensor type, index), or an empty text when either lies
// outside the table.
std::wstring_view DpiText(std::uint8_t sensorType, int index);

// The device code of (sensor type, index) (0 outside the table), with bit 7
// cleared when `enabled` is non-zero and set when it is 0.
std::uint8_t DpiCode(std::uint8_t sensorType, int index, std::uint8_t enabled);

}  // namespace corvane
