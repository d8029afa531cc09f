// The DPI choices of each sensor type: display text and device code. The
// position in a list is the DPI index the SettingsRecord stores.
#pragma once

#include <cstdint>
#include <optional>
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

// The index of the sensor's list whose text is `text`; nothing when the list
// has no such text.
std::optional<int> DpiIndexOfText(std::uint8_t sensorType, std::wstring_view text);

// The device code of (sensor type, index) (0 outside the table), with bit 7
// cleared when `enabled` is non-zero and set when it is 0.
std::uint8_t DpiCode(std::uint8_t sensorType, int index, std::uint8_t enabled);

// The index of the sensor's list whose code `code` is, whatever its bit 7
// says; nothing when the list has no such code. Codes are unique in a list.
std::optional<int> DpiIndexOfCode(std::uint8_t sensorType, std::uint8_t code);
// Whether a code is sent as an enabled value (bit 7 clear).
constexpr bool DpiCodeEnabled(std::uint8_t code) {
    return (code & kDpiDisabledBit) == 0;
}

}  // namespace corvane
