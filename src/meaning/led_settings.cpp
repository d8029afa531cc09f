#include "meaning/led_settings.h"

#include <array>

#include "core/table_lookup.h"

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

// Indexed by ledMode.
constexpr std::array<std::string_view, 3> kLightingModeNames = {"mode0", "mode1", "mode2"};

}  // namespace

std::span<const ReportRate, kReportRateCount> ReportRates() {
    return kReportRates;
}

std::optional<int> ReportRateOfCode(std::uint8_t code) {
    return IndexWhere(kReportRates, [code](const ReportRate& rate) { return rate.code == code; });
}

std::optional<int> ReportRateOfHz(unsigned hz) {
    return IndexWhere(kReportRates, [hz](const ReportRate& rate) { return rate.hz == hz; });
}

std::optional<std::string> RateName(std::uint8_t code) {
    const auto rate = ReportRateOfCode(code);
    return rate ? std::optional(std::to_string(kReportRates[*rate].hz) + " Hz") : std::nullopt;
}

std::optional<std::uint8_t> RateOfName(std::string_view name) {
    const auto rate = IndexWhere(kReportRates, [name](const ReportRate& rate) {
        return name == std::to_string(rate.hz) + " Hz";
    });
    return rate ? std::optional(kReportRates[*rate].code) : std::nullopt;
}

std::span<const LightingRow, kLightingRowCount> LightingRows() {
    return kLightingRows;
}

std::optional<int> ModeOneRowOf(std::uint8_t paramA) {
    return IndexWhere(kLightingRows, [paramA](const LightingRow& row) {
        return row.mode == kLightingModeOne && row.paramA == paramA;
    });
}

std::span<const std::uint8_t, kModeTwoParameterCount> ModeTwoParameters() {
    return kModeTwoParameters;
}

std::optional<int> ModeTwoRowOf(std::uint8_t paramB) {
    return IndexWhere(kModeTwoParameters, [paramB](std::uint8_t value) { return value == paramB; });
}

std::optional<std::string> LightingModeName(std::uint8_t mode) {
    return mode < kLightingModeNames.size() ? std::optional(std::string(kLightingModeNames[mode]))
                                            : std::nullopt;
}

std::optional<std::uint8_t> LightingModeOfName(std::string_view name) {
    const auto mode =
        IndexWhere(kLightingModeNames, [name](std::string_view mode) { return mode == name; });
    return mode ? std::optional(static_cast<std::uint8_t>(*mode)) : std::nullopt;
}

}  // namespace corvane
