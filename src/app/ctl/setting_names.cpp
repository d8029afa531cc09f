#include "app/ctl/setting_names.h"

#include "app/ctl/choice_names.h"
#include "app/ctl/value_names.h"

namespace corvane::ctl {
namespace {

ByteNames NoNames(std::string what) {
    return ByteNames{std::move(what), [](std::uint8_t) { return std::optional<std::string>(); },
                     [](std::string_view) { return std::optional<std::uint8_t>(); }, ""};
}

ByteNames ChoiceNames(std::string what, ChoiceList list) {
    return ByteNames{std::move(what), [list](std::uint8_t b) { return ChoiceName(list, b); },
                     [list](std::string_view s) { return ChoiceOfName(list, s); },
                     ChoiceNameList(list)};
}

template <typename T>
std::optional<std::uint8_t> AsByte(std::optional<T> value) {
    return value ? std::optional(static_cast<std::uint8_t>(*value)) : std::nullopt;
}

}  // namespace

SettingNames SettingNames::For(std::uint8_t sensorType) {
    SettingNames n{};
    n.function = {"function", FunctionName,
                  [](std::string_view s) { return AsByte(FunctionOfName(s)); }, FunctionNameList()};
    n.rate = {"report rate", RateName, RateOfName, "1000 Hz, 500 Hz, 250 Hz, 125 Hz"};
    n.ledMode = {"lighting mode", LedModeName, LedModeOfName, "mode0, mode1, mode2"};
    n.layer = {"layer", [](std::uint8_t b) { return LayerName(b); },
               [](std::string_view s) { return AsByte(LayerOfName(s)); }, "normal, shift"};
    n.dpi = {"DPI value", [sensorType](std::uint8_t b) { return DpiName(sensorType, b); },
             [sensorType](std::string_view s) { return DpiIndexOfName(sensorType, s); },
             DpiNameList(sensorType)};
    n.keyCode = {"key name", KeyNameOfCode, KeyCodeOfKeyName, ""};
    n.media = ChoiceNames("media key", ChoiceList::Media);
    n.windows = ChoiceNames("Windows function", ChoiceList::Windows);
    n.hotKey = ChoiceNames("hot key", ChoiceList::HotKey);
    n.fireKey = ChoiceNames("fire key", ChoiceList::FireKey);
    n.fireCode = {"fire key", FireKeyNameOfCode, FireKeyCodeOfName,
                  ChoiceNameList(ChoiceList::FireKey)};
    n.number = NoNames("number");
    return n;
}

const ByteNames& SettingNames::Of(ButtonValueKind kind) const {
    switch (kind) {
        case ButtonValueKind::Function:
            return function;
        case ButtonValueKind::Media:
            return media;
        case ButtonValueKind::Windows:
            return windows;
        case ButtonValueKind::HotKey:
            return hotKey;
        case ButtonValueKind::KeyCode:
            return keyCode;
        case ButtonValueKind::Dpi:
            return dpi;
        case ButtonValueKind::FireKey:
            return fireKey;
        case ButtonValueKind::FireCode:
            return fireCode;
        case ButtonValueKind::Number:
            break;
    }
    return number;
}

}  // namespace corvane::ctl
