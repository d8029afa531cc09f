#include "meaning/led_settings.h"

#include <array>

namespace corvane {
namespace {

constexpr std::array<ReportRate, kReportRateCount> kReportRates = {
    {{8, 125}, {4, 250}, {2, 500}, {1, 1000}}};

constexpr std::array<LightingRow, kLightingRowCount> kLightingRows = {{
    {kLightingOff, 0},
    {kLightingModeTwo, 0},
    {kLightingModeOne, 10},
    {kLightingModeOne, 5},
    {kLightingModeOne, 1},
}};

constexpr std::array<std::uint8_t, kModeTwoParameterCount> kModeTwoParameters = {5, 3, 1};

constexpr std::array<std::string_view, 3> kLightingModeNames = {"mode0", "mode1", "mode2"};

}  // namespace

std::span<const ReportRate, kReportRateCount> ReportRates() {
    return kReportRates;
}

std::optional<unsigned> RateHzOfCode(std::uint8_t code) {
    for (const ReportRate& rate : kReportRates) {
        if (rate.code == code) {
            return rate.hz;
        }
    }
    return std::nullopt;
}

std::optional<std::uint8_t> RateCodeOfHz(unsigned hz) {
    for (const ReportRate& rate : kReportRates) {
        if (rate.hz == hz) {
            return rate.code;
        }
    }
    return std::nullopt;
}

std::optional<std::string> RateName(std::uint8_t code) {
    const auto hz = RateHzOfCode(code);
    return hz ? std::optional(std::to_string(*hz) + " Hz") : std::nullopt;
}

std::optional<std::uint8_t> RateOfName(std::string_view name) {
    for (const ReportRate& rate : kReportRates) {
        if (name == std::to_string(rate.hz) + " Hz") {
            return rate.code;
        }
    }
    return std::nullopt;
}

std::span<const LightingRow, kLightingRowCount> LightingRows() {
    return kLightingRows;
}

std::optional<int> ModeOneRowOf(std::uint8_t paramA) {
    for (std::size_t row = 0; row < kLightingRows.size(); ++row) {
        if (kLightingRows[row].mode == kLightingModeOne && kLightingRows[row].paramA == paramA) {
            return static_cast<int>(row);
        }
    }
    return std::nullopt;
}

std::span<const std::uint8_t, kModeTwoParameterCount> ModeTwoParameters() {
    return kModeTwoParameters;
}

std::optional<int> ModeTwoRowOf(std::uint8_t paramB) {
    for (std::size_t row = 0; row < kModeTwoParameters.size(); ++row) {
        if (kModeTwoParameters[row] == paramB) {
            return static_cast<int>(row);
        }
    }
    return std::nullopt;
}

std::optional<std::string> LightingModeName(std::uint8_t mode) {
    if (mode >= kLightingModeNames.size()) {
        return std::nullopt;
    }
    return std::string(kLightingModeNames[mode]);
}

std::optional<std::uint8_t> LightingModeOfName(std::string_view name) {
    for (std::size_t mode = 0; mode < kLightingModeNames.size(); ++mode) {
        if (kLightingModeNames[mode] == name) {
            return static_cast<std::uint8_t>(mode);
        }
    }
    return std::nullopt;
}

}  // namespace corvane
