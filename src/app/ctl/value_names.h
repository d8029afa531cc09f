// The names corvanectl gives the settings' byte values on the command line
// and in its JSON: function names, report rates, layers, lighting modes, DPI
// texts and key names, each both ways. A byte without a name is shown as its
// number.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "settings/settings_record.h"

namespace corvane::ctl {

inline constexpr int kFirstButtonNumber = 1;  // buttons are numbered from 1, as the window shows
inline constexpr int kLayerNormal = 0;
inline constexpr int kLayerShift = 1;

std::optional<std::string> FunctionName(std::uint8_t function);
std::optional<ButtonFunction> FunctionOfName(std::string_view name);
// Every function name, comma-separated, for messages.
std::string FunctionNameList();

std::optional<std::string> LayerName(int layer);
std::optional<int> LayerOfName(std::string_view name);

// Report rate codes and their frequency: 1 = 1000 Hz, 2 = 500, 4 = 250, 8 = 125.
std::optional<unsigned> RateHzOfCode(std::uint8_t code);
std::optional<std::uint8_t> RateCodeOfHz(unsigned hz);
// "1000 Hz" for code 1.
std::optional<std::string> RateName(std::uint8_t code);
std::optional<std::uint8_t> RateOfName(std::string_view name);

// Lighting modes "mode0", "mode1", "mode2".
std::optional<std::string> LedModeName(std::uint8_t mode);
std::optional<std::uint8_t> LedModeOfName(std::string_view name);

// The DPI text of an index of the sensor's list, and back.
std::optional<std::string> DpiName(std::uint8_t sensorType, std::uint8_t index);
std::optional<std::uint8_t> DpiIndexOfName(std::uint8_t sensorType, std::string_view text);
// The sensor's DPI texts, comma-separated, for messages.
std::string DpiNameList(std::uint8_t sensorType);

// The keyboard key name table both ways ("Num 5" is 0x5D).
std::optional<std::string> KeyNameOfCode(std::uint8_t code);
std::optional<std::uint8_t> KeyCodeOfKeyName(std::string_view name);

// "0x5D".
std::string Hex2(unsigned value);
std::string Hex4(unsigned value);

}  // namespace corvane::ctl
