#include "app/ctl/value_names.h"

#include <array>

#include "core/text_encoding.h"
#include "meaning/key_names.h"
#include "settings/dpi_table.h"

namespace corvane::ctl {
namespace {

// Indexed by ButtonFunction.
constexpr std::array<std::string_view, kButtonFunctionCount> kFunctionNames = {
    "left-click", "right-click", "mid-click", "forward",    "backward", "dpi-switch", "windows",
    "multimedia", "hot-key",     "fire-key",  "single-key", "snipe",    "key-off",    "shift",
};

constexpr std::array<std::string_view, kLayerCount> kLayerNames = {"normal", "shift"};

struct Rate {
    std::uint8_t code;
    unsigned hz;
};
constexpr std::array<Rate, 4> kRates = {{{1, 1000}, {2, 500}, {4, 250}, {8, 125}}};

constexpr std::array<std::string_view, 3> kLedModeNames = {"mode0", "mode1", "mode2"};

template <std::size_t N>
std::optional<std::size_t> PositionOf(const std::array<std::string_view, N>& names,
                                      std::string_view name) {
    for (std::size_t i = 0; i < N; ++i) {
        if (names[i] == name) {
            return i;
        }
    }
    return std::nullopt;
}

}  // namespace

std::optional<std::string> FunctionName(std::uint8_t function) {
    if (function >= kFunctionNames.size()) {
        return std::nullopt;
    }
    return std::string(kFunctionNames[function]);
}

std::optional<ButtonFunction> FunctionOfName(std::string_view name) {
    const auto position = PositionOf(kFunctionNames, name);
    return position ? std::optional(static_cast<ButtonFunction>(*position)) : std::nullopt;
}

std::string FunctionNameList() {
    std::string list;
    for (const std::string_view name : kFunctionNames) {
        list += list.empty() ? "" : ", ";
        list += name;
    }
    return list;
}

std::optional<std::string> LayerName(int layer) {
    if (layer < 0 || layer >= kLayerCount) {
        return std::nullopt;
    }
    return std::string(kLayerNames[static_cast<std::size_t>(layer)]);
}

std::optional<int> LayerOfName(std::string_view name) {
    const auto position = PositionOf(kLayerNames, name);
    return position ? std::optional(static_cast<int>(*position)) : std::nullopt;
}

std::optional<unsigned> RateHzOfCode(std::uint8_t code) {
    for (const Rate& rate : kRates) {
        if (rate.code == code) {
            return rate.hz;
        }
    }
    return std::nullopt;
}

std::optional<std::uint8_t> RateCodeOfHz(unsigned hz) {
    for (const Rate& rate : kRates) {
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
    for (const Rate& rate : kRates) {
        if (name == std::to_string(rate.hz) + " Hz") {
            return rate.code;
        }
    }
    return std::nullopt;
}

std::optional<std::string> LedModeName(std::uint8_t mode) {
    if (mode >= kLedModeNames.size()) {
        return std::nullopt;
    }
    return std::string(kLedModeNames[mode]);
}

std::optional<std::uint8_t> LedModeOfName(std::string_view name) {
    const auto position = PositionOf(kLedModeNames, name);
    return position ? std::optional(static_cast<std::uint8_t>(*position)) : std::nullopt;
}

std::optional<std::string> DpiName(std::uint8_t sensorType, std::uint8_t index) {
    const std::wstring_view text = DpiText(sensorType, index);
    return text.empty() ? std::nullopt : std::optional(ToUtf8(std::wstring(text)));
}

std::optional<std::uint8_t> DpiIndexOfName(std::uint8_t sensorType, std::string_view text) {
    const auto choices = DpiChoicesOf(sensorType);
    for (std::size_t i = 0; i < choices.size(); ++i) {
        if (ToUtf8(std::wstring(choices[i].text)) == text) {
            return static_cast<std::uint8_t>(i);
        }
    }
    return std::nullopt;
}

std::string DpiNameList(std::uint8_t sensorType) {
    std::string list;
    for (const DpiChoice& choice : DpiChoicesOf(sensorType)) {
        list += list.empty() ? "" : ", ";
        list += ToUtf8(std::wstring(choice.text));
    }
    return list;
}

std::optional<std::string> KeyNameOfCode(std::uint8_t code) {
    for (const corvane::KeyName& key : KeyNames()) {
        if (key.code == code) {
            return ToUtf8(std::wstring(key.name));
        }
    }
    return std::nullopt;
}

std::optional<std::uint8_t> KeyCodeOfKeyName(std::string_view name) {
    // No key has the code 0: it stands for a name the table does not hold.
    const std::uint8_t code = KeyCodeOfName(FromUtf8(std::string(name)));
    return code != 0 ? std::optional(code) : std::nullopt;
}

std::string Hex2(unsigned value) {
    constexpr char kDigits[] = "0123456789ABCDEF";
    return std::string("0x") + kDigits[(value >> 4) & 0xF] + kDigits[value & 0xF];
}

std::string Hex4(unsigned value) {
    return Hex2(value >> 8) + Hex2(value & 0xFF).substr(2);
}

}  // namespace corvane::ctl
