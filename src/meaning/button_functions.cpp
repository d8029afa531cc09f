#include "meaning/button_functions.h"

#include <array>

#include "core/table_lookup.h"
#include "meaning/choice_lists.h"

namespace corvane {
namespace {

// How a function becomes its entry: code = codeBase + the parameter byte of
// the button (if any), class = classBase + the class parameter byte (if
// any). A parameter's values are the ones the mouse tells apart: the decoder
// reads an entry back within them.
struct EntryRule {
    std::string_view name;
    std::uint8_t codeBase;
    LayerButtonBytes SettingsRecord::*codeParam;
    int codeValues;
    std::uint8_t classBase;
    LayerButtonBytes SettingsRecord::*classParam;
    int classValues;

    bool TakesParameters() const { return codeParam != nullptr || classParam != nullptr; }
};

constexpr int kAnyByte = 256;
constexpr int kFireCounts = 128;  // the class byte keeps bit 7 for the fire key

// Indexed by ButtonFunction.
constexpr std::array<EntryRule, kButtonFunctionCount> kEntryRules = {{
    {"left-click", 0xF0, nullptr, 1, kClassPlain, nullptr, 1},
    {"right-click", 0xF1, nullptr, 1, kClassPlain, nullptr, 1},
    {"mid-click", 0xF2, nullptr, 1, kClassPlain, nullptr, 1},
    {"forward", 0xF4, nullptr, 1, kClassPlain, nullptr, 1},
    {"backward", 0xF3, nullptr, 1, kClassPlain, nullptr, 1},
    {"dpi-switch", 5, nullptr, 1, kClassSpecial, nullptr, 1},
    {"windows", 7, &SettingsRecord::windowsChoice, kWindowsChoiceCount, kClassCombinedTable,
     nullptr, 1},
    {"multimedia", 0, &SettingsRecord::mediaChoice, kMediaChoiceCount, kClassCombinedTable, nullptr,
     1},
    {"hot-key", 16, &SettingsRecord::hotKeyChoice, kHotKeyChoiceCount, kClassCombinedTable, nullptr,
     1},
    {"fire-key", 0, &SettingsRecord::fireKeyCode, kAnyByte, kClassFireBit,
     &SettingsRecord::fireCount, kFireCounts},
    {"single-key", 0, &SettingsRecord::singleKeyCode, kAnyByte, kClassPlain, nullptr, 1},
    {"snipe", 10, nullptr, 1, kClassSpecial, nullptr, 1},
    {"key-off", 0, nullptr, 1, kClassPlain, nullptr, 1},
    {"shift", 6, nullptr, 1, kClassSpecial, nullptr, 1},
}};

constexpr std::array<std::string_view, kLayerCount> kLayerNames = {"normal", "shift"};

const EntryRule& RuleOf(ButtonFunction function) {
    return kEntryRules[static_cast<std::size_t>(function)];
}

std::uint8_t ParamByte(const SettingsRecord& record, LayerButtonBytes SettingsRecord::*param,
                       int layer, int button) {
    return param == nullptr ? 0 : (record.*param)[layer][button];
}

// The entry as `rule` reads it, when it lies within the rule's values.
std::optional<ButtonSetting> ReadAs(const EntryRule& rule, ButtonFunction function,
                                    ButtonEntry entry) {
    const auto code = static_cast<std::uint8_t>(entry.code - rule.codeBase);
    const auto count = static_cast<std::uint8_t>(entry.entryClass - rule.classBase);
    if (code >= rule.codeValues || count >= rule.classValues) {
        return std::nullopt;
    }
    return ButtonSetting{function, code, count};
}

}  // namespace

ButtonSetting ButtonSettingOf(const SettingsRecord& record, int layer, int button) {
    const std::uint8_t stored = record.buttonFunction[layer][button];
    if (stored >= kButtonFunctionCount) {
        return ButtonSetting{};
    }
    const auto function = static_cast<ButtonFunction>(stored);
    const EntryRule& rule = RuleOf(function);
    return ButtonSetting{function, ParamByte(record, rule.codeParam, layer, button),
                         ParamByte(record, rule.classParam, layer, button)};
}

ButtonEntry EncodeButton(const ButtonSetting& setting) {
    const EntryRule& rule = RuleOf(setting.function);
    return ButtonEntry{
        static_cast<std::uint8_t>(rule.codeBase + (rule.codeParam ? setting.parameter : 0)),
        static_cast<std::uint8_t>(rule.classBase + (rule.classParam ? setting.fireCount : 0)),
    };
}

ButtonEntry ButtonEntryOf(const SettingsRecord& record, int layer, int button) {
    return EncodeButton(ButtonSettingOf(record, layer, button));
}

std::optional<ButtonSetting> DecodeButton(ButtonEntry entry) {
    // The functions without parameters first: they win where a parameter
    // would give the same entry.
    for (const bool withParameters : {false, true}) {
        for (int n = 0; n < kButtonFunctionCount; ++n) {
            const EntryRule& rule = kEntryRules[static_cast<std::size_t>(n)];
            if (rule.TakesParameters() != withParameters) {
                continue;
            }
            if (auto setting = ReadAs(rule, static_cast<ButtonFunction>(n), entry)) {
                return setting;
            }
        }
    }
    return std::nullopt;
}

std::string_view FunctionName(ButtonFunction function) {
    return RuleOf(function).name;
}

std::optional<ButtonFunction> FunctionOfName(std::string_view name) {
    const auto n =
        IndexWhere(kEntryRules, [name](const EntryRule& rule) { return rule.name == name; });
    return n ? std::optional(static_cast<ButtonFunction>(*n)) : std::nullopt;
}

std::string FunctionNameList() {
    std::string list;
    for (const EntryRule& rule : kEntryRules) {
        list += list.empty() ? "" : ", ";
        list += rule.name;
    }
    return list;
}

std::optional<std::string_view> LayerName(int layer) {
    if (layer < 0 || layer >= kLayerCount) {
        return std::nullopt;
    }
    return kLayerNames[static_cast<std::size_t>(layer)];
}

std::optional<int> LayerOfName(std::string_view name) {
    return IndexWhere(kLayerNames, [name](std::string_view layer) { return layer == name; });
}

}  // namespace corvane
