// What the LED page sets: the report rate and the lighting. Each report rate
// and lighting row is a place on the page; these tables give the values the
// places store, in the page's order, and the names the command line and its
// JSON use for them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace corvane {

// A report rate: the record's (and the mouse's) code, and its frequency.
struct ReportRate {
    std::uint8_t code;
    unsigned hz;
};
// In the order of the page's report-rate positions: 125, 250, 500, 1000 Hz.
inline constexpr std::size_t kReportRateCount = 4;
std::span<const ReportRate, kReportRateCount> ReportRates();
// The position of a code, and of a frequency; nothing for one the mouse lacks.
std::optional<int> ReportRateOfCode(std::uint8_t code);
std::optional<int> ReportRateOfHz(unsigned hz);
// "1000 Hz" for code 1, and back.
std::optional<std::string> RateName(std::uint8_t code);
std::optional<std::uint8_t> RateOfName(std::string_view name);

// Lighting modes: ledMode 1 takes ledParamA, mode 2 ledParamB.
inline constexpr std::uint8_t kLightingOff = 0;
inline constexpr std::uint8_t kLightingModeOne = 1;
inline constexpr std::uint8_t kLightingModeTwo = 2;

// What a lighting row sets: ledMode, and ledParamA for the mode-1 rows (0:
// ledParamA unchanged).
struct LightingRow {
    std::uint8_t mode;
    std::uint8_t paramA;
};
// In the page's order: off, mode 2, mode 1 with 10, 5 and 1.
inline constexpr std::size_t kLightingRowCount = 5;
std::span<const LightingRow, kLightingRowCount> LightingRows();
// The row of a mode-1 parameter; nothing for one no row sets.
std::optional<int> ModeOneRowOf(std::uint8_t paramA);
// ledParamB of each mode-2 parameter row: 5, 3, 1.
inline constexpr std::size_t kModeTwoParameterCount = 3;
std::span<const std::uint8_t, kModeTwoParameterCount> ModeTwoParameters();
std::optional<int> ModeTwoRowOf(std::uint8_t paramB);

// "mode0", "mode1", "mode2", and back.
std::optional<std::string> LightingModeName(std::uint8_t mode);
std::optional<std::uint8_t> LightingModeOfName(std::string_view name);

}  // namespace corvane
