// The names of the settings' byte values, and reading the JSON strictly.
#include <array>

#include "app/ctl/ctl.h"
#include "app/ctl/settings_json.h"
#include "core/text_encoding.h"
#include "meaning/button_functions.h"
#include "meaning/choice_lists.h"
#include "meaning/key_names.h"
#include "meaning/led_settings.h"
#include "settings/dpi_table.h"

namespace corvane::ctl {
namespace {

constexpr std::uint64_t kByteMax = 0xFF;

}  // namespace

std::string TypeName(const Json& value) {
    return value.type_name();
}

void BadValue(const std::string& path, const std::string& problem) {
    throw BadInput(path + ": " + problem);
}

Json ByteJson(std::uint8_t value, const ByteNames& names) {
    if (const auto name = names.nameOf(value)) {
        return *name;
    }
    return value;
}

std::uint8_t ByteAt(const Json& value, const std::string& path) {
    if (value.is_number_unsigned()) {
        const auto number = value.get<std::uint64_t>();
        if (number > kByteMax) {
            BadValue(path, std::to_string(number) + " is out of range (0 to 255)");
        }
        return static_cast<std::uint8_t>(number);
    }
    if (value.is_number_integer()) {
        BadValue(path, std::to_string(value.get<std::int64_t>()) + " is out of range (0 to 255)");
    }
    BadValue(path, "expected a number from 0 to 255, found " + TypeName(value));
}

std::uint8_t ByteAt(const Json& value, const std::string& path, const ByteNames& names) {
    if (value.is_string()) {
        const std::string& name = value.get_ref<const std::string&>();
        if (const auto byte = names.valueOf(name)) {
            return *byte;
        }
        BadValue(path, "unknown " + names.what + " \"" + name + "\"" +
                           (names.choices.empty() ? ""
                                                  : " (expected one of " + names.choices +
                                                        ", or a number from 0 to 255)"));
    }
    if (!value.is_number()) {
        BadValue(path, "expected a " + names.what + " name or a number from 0 to 255, found " +
                           TypeName(value));
    }
    return ByteAt(value, path);
}

JsonObjectReader::JsonObjectReader(const Json& node, std::string path)
    : node_(node), path_(std::move(path)) {
    if (!node_.is_object()) {
        BadValue(path_.empty() ? "(top)" : path_, "expected an object, found " + TypeName(node_));
    }
}

std::string JsonObjectReader::PathOf(const std::string& name) const {
    return path_.empty() ? name : path_ + "." + name;
}

const Json& JsonObjectReader::Field(const std::string& name) {
    const auto found = node_.find(name);
    if (found == node_.end()) {
        BadValue(PathOf(name), "missing");
    }
    read_.insert(name);
    return *found;
}

JsonObjectReader JsonObjectReader::Object(const std::string& name) {
    return JsonObjectReader(Field(name), PathOf(name));
}

const Json& JsonObjectReader::Array(const std::string& name, std::size_t size) {
    const Json& value = Field(name);
    if (!value.is_array()) {
        BadValue(PathOf(name), "expected an array, found " + TypeName(value));
    }
    if (value.size() != size) {
        BadValue(PathOf(name), "expected " + std::to_string(size) + " elements, found " +
                                   std::to_string(value.size()));
    }
    return value;
}

std::uint8_t JsonObjectReader::Byte(const std::string& name) {
    return ByteAt(Field(name), PathOf(name));
}

std::uint8_t JsonObjectReader::Byte(const std::string& name, const ByteNames& names) {
    return ByteAt(Field(name), PathOf(name), names);
}

void JsonObjectReader::Done() const {
    for (auto it = node_.begin(); it != node_.end(); ++it) {
        if (read_.count(it.key()) == 0) {
            BadValue(PathOf(it.key()), "unknown field");
        }
    }
}

// ------------------------------------------------------------------- names

namespace {

std::string Utf8(std::wstring_view text) {
    return ToUtf8(std::wstring(text));
}

template <typename Index>
std::optional<std::uint8_t> AsByte(std::optional<Index> value) {
    return value ? std::optional(static_cast<std::uint8_t>(*value)) : std::nullopt;
}

// The names of a list, comma-separated, for messages.
template <class Range, class Name>
std::string NameList(const Range& range, Name name) {
    std::string list;
    for (const auto& entry : range) {
        list += list.empty() ? "" : ", ";
        list += name(entry);
    }
    return list;
}

ByteNames NoNames(std::string what) {
    return ByteNames{std::move(what), [](std::uint8_t) { return std::optional<std::string>(); },
                     [](std::string_view) { return std::optional<std::uint8_t>(); }, ""};
}

// The choices of a dialog's list are named by their English texts; the
// Chinese ones are taken too.
ByteNames ChoiceNames(std::string what, std::span<const ChoiceEntry> list) {
    const auto english = [](const ChoiceEntry& entry) { return Utf8(entry.text.english); };
    return ByteNames{std::move(what),
                     [list, english](std::uint8_t index) -> std::optional<std::string> {
                         const ChoiceEntry* entry = EntryAt(list, index);
                         return entry ? std::optional(english(*entry)) : std::nullopt;
                     },
                     [list](std::string_view name) {
                         return AsByte(ChoiceOfText(list, FromUtf8(std::string(name))));
                     },
                     NameList(list, english)};
}

std::string FireKeyList() {
    return NameList(FireKeys(), [](const FireKeyEntry& key) { return Utf8(key.text); });
}

std::optional<std::string> FireKeyName(int index) {
    const FireKeyEntry* key = EntryAt(FireKeys(), index);
    return key ? std::optional(Utf8(key->text)) : std::nullopt;
}

std::optional<std::uint8_t> FireKeyOfName(std::string_view name) {
    return AsByte(FireKeyOfText(FromUtf8(std::string(name))));
}

// Fastest first.
std::string RateList() {
    std::string list;
    for (const ReportRate& rate : ReportRates()) {
        list = *RateName(rate.code) + (list.empty() ? "" : ", ") + list;
    }
    return list;
}

std::optional<std::string> DpiName(std::uint8_t sensorType, std::uint8_t index) {
    const std::wstring_view text = DpiText(sensorType, index);
    return text.empty() ? std::nullopt : std::optional(Utf8(text));
}

std::optional<std::string> KeyName(std::uint8_t code) {
    const std::wstring_view name = KeyNameOfCode(code);
    return name.empty() ? std::nullopt : std::optional(Utf8(name));
}

// No key has the code 0: it stands for a name the table does not hold.
std::optional<std::uint8_t> KeyOfName(std::string_view name) {
    const std::uint8_t code = KeyCodeOfName(FromUtf8(std::string(name)));
    return code != 0 ? std::optional(code) : std::nullopt;
}

}  // namespace

SettingNames SettingNames::For(std::uint8_t sensorType) {
    SettingNames n{};
    n.function = {"function",
                  [](std::uint8_t b) -> std::optional<std::string> {
                      if (b >= kButtonFunctionCount) {
                          return std::nullopt;
                      }
                      return std::string(FunctionName(static_cast<ButtonFunction>(b)));
                  },
                  [](std::string_view s) { return AsByte(FunctionOfName(s)); }, FunctionNameList()};
    n.rate = {"report rate", RateName, RateOfName, RateList()};
    n.ledMode = {"lighting mode", LightingModeName, LightingModeOfName,
                 NameList(std::array{kLightingOff, kLightingModeOne, kLightingModeTwo},
                          [](std::uint8_t mode) { return *LightingModeName(mode); })};
    n.layer = {"layer",
               [](std::uint8_t b) -> std::optional<std::string> {
                   const auto name = LayerName(b);
                   return name ? std::optional(std::string(*name)) : std::nullopt;
               },
               [](std::string_view s) { return AsByte(LayerOfName(s)); },
               NameList(std::array{kNormalLayer, kShiftLayer},
                        [](int layer) { return std::string(*LayerName(layer)); })};
    n.dpi = {"DPI value", [sensorType](std::uint8_t b) { return DpiName(sensorType, b); },
             [sensorType](std::string_view s) {
                 return AsByte(DpiIndexOfText(sensorType, FromUtf8(std::string(s))));
             },
             NameList(DpiChoicesOf(sensorType),
                      [](const DpiChoice& choice) { return Utf8(choice.text); })};
    n.keyCode = {"key name", KeyName, KeyOfName, ""};
    n.media = ChoiceNames("media key", MediaChoices());
    n.windows = ChoiceNames("Windows function", WindowsChoices());
    n.hotKey = ChoiceNames("hot key", HotKeyChoices());
    n.fireKey = {"fire key", [](std::uint8_t index) { return FireKeyName(index); }, FireKeyOfName,
                 FireKeyList()};
    n.fireCode = {"fire key",
                  [](std::uint8_t code) {
                      const auto index = FireKeyOfCode(code);
                      return index ? FireKeyName(*index) : std::nullopt;
                  },
                  [](std::string_view s) {
                      const auto index = FireKeyOfName(s);
                      return index ? std::optional(FireKeyCodeOf(*index)) : std::nullopt;
                  },
                  FireKeyList()};
    n.number = NoNames("number");
    return n;
}

std::string NameOrNumber(std::uint8_t value, const ByteNames& names) {
    const auto name = names.nameOf(value);
    return name ? *name : std::to_string(value);
}

std::string ButtonText(const SettingsRecord& r, const SettingNames& names, int layer, int button) {
    const std::string function = NameOrNumber(r.buttonFunction[layer][button], names.function);
    std::string parameter;
    switch (static_cast<ButtonFunction>(r.buttonFunction[layer][button])) {
        case ButtonFunction::WindowsFunction:
            parameter = NameOrNumber(r.windowsChoice[layer][button], names.windows);
            break;
        case ButtonFunction::Multimedia:
            parameter = NameOrNumber(r.mediaChoice[layer][button], names.media);
            break;
        case ButtonFunction::HotKey:
            parameter = NameOrNumber(r.hotKeyChoice[layer][button], names.hotKey);
            break;
        case ButtonFunction::SingleKey:
            parameter = NameOrNumber(r.singleKeyCode[layer][button], names.keyCode);
            break;
        case ButtonFunction::SnipeKey:
            parameter = NameOrNumber(r.snipeChoice[layer][button], names.dpi);
            break;
        case ButtonFunction::FireKey: {
            const int times = r.fireCount[layer][button];
            parameter =
                NameOrNumber(r.fireKeyChoice[layer][button], names.fireKey) + ", " +
                (times == 0 ? std::string("until released") : std::to_string(times) + " times");
            break;
        }
        default:
            break;
    }
    return parameter.empty() ? function : function + " " + parameter;
}

}  // namespace corvane::ctl
