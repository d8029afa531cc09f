// config.bin and str.ini as readable JSON and back: every SettingsRecord
// field by its name with a readable value (function names, DPI texts, Hz, key
// names), every other byte as its number, and every str.ini section with its
// keys and values in file order, so that an export imported again gives the
// same bytes. The import checks every value and refuses the whole document
// at the first bad one: every field must be there, of its type and in range,
// no field may be unknown, and the first bad one ends the import with its
// path ("config.buttons.normal.4.fireCount") and what is wrong. Byte values
// are written as their name when they have one, else as their number, and
// read back from either. The names are the meaning area's, in UTF-8.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <set>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include <nlohmann/json.hpp>

#include "settings/key_labels.h"
#include "settings/settings_files.h"
#include "settings/settings_record.h"

namespace corvane::ctl {

using Json = nlohmann::ordered_json;

// The names of one kind of byte value, both ways.
struct ByteNames {
    std::string what;  // "function", "DPI value", ...
    std::function<std::optional<std::string>(std::uint8_t)> nameOf;
    std::function<std::optional<std::uint8_t>(std::string_view)> valueOf;
    std::string choices;  // the names, for the message of an unknown one
};

// The name of `value` when it has one, else the number.
Json ByteJson(std::uint8_t value, const ByteNames& names);

// Throws BadInput("PATH: ...") for a missing or unknown field, a wrong type
// or a value out of range.
class JsonObjectReader {
  public:
    JsonObjectReader(const Json& node, std::string path);

    const Json& Field(const std::string& name);
    JsonObjectReader Object(const std::string& name);
    // An array of exactly `size` elements.
    const Json& Array(const std::string& name, std::size_t size);
    std::uint8_t Byte(const std::string& name);
    std::uint8_t Byte(const std::string& name, const ByteNames& names);
    // Call when every field was read: any other field is refused.
    void Done() const;

    std::string PathOf(const std::string& name) const;

  private:
    const Json& node_;
    std::string path_;
    std::set<std::string> read_;
};

// An element of an array or a field as a byte, by its path.
std::uint8_t ByteAt(const Json& value, const std::string& path);
std::uint8_t ByteAt(const Json& value, const std::string& path, const ByteNames& names);
[[noreturn]] void BadValue(const std::string& path, const std::string& problem);
std::string TypeName(const Json& value);

// ------------------------------------------------------------------- names

// The names of every kind of settings byte, for one sensor type (the DPI
// texts depend on it): what the JSON writes and `set` takes.
struct SettingNames {
    ByteNames function, rate, ledMode, layer, dpi, keyCode, media, windows, hotKey, fireKey,
        fireCode, number;

    static SettingNames For(std::uint8_t sensorType);
};

// A per-button array of the SettingsRecord and the names of what it holds.
struct ButtonField {
    const char* name;
    LayerButtonBytes SettingsRecord::*member;
    ByteNames SettingNames::*names;
};

// The per-button arrays of the SettingsRecord, in record order.
inline constexpr std::array<ButtonField, 9> kButtonFields = {{
    {"buttonFunction", &SettingsRecord::buttonFunction, &SettingNames::function},
    {"mediaChoice", &SettingsRecord::mediaChoice, &SettingNames::media},
    {"windowsChoice", &SettingsRecord::windowsChoice, &SettingNames::windows},
    {"hotKeyChoice", &SettingsRecord::hotKeyChoice, &SettingNames::hotKey},
    {"singleKeyCode", &SettingsRecord::singleKeyCode, &SettingNames::keyCode},
    {"snipeChoice", &SettingsRecord::snipeChoice, &SettingNames::dpi},
    {"fireKeyChoice", &SettingsRecord::fireKeyChoice, &SettingNames::fireKey},
    {"fireKeyCode", &SettingsRecord::fireKeyCode, &SettingNames::fireCode},
    {"fireCount", &SettingsRecord::fireCount, &SettingNames::number},
}};

// The name of `value` when it has one, else its number, in words.
std::string NameOrNumber(std::uint8_t value, const ByteNames& names);

// What a button's function and the parameter it uses read as:
// "fire-key A, 3 times", "single-key Num 5", "left-click".
std::string ButtonText(const SettingsRecord& record, const SettingNames& names, int layer,
                       int button);

// ----------------------------------------------------------------- str.ini

// str.ini as JSON: an object of sections in file order, each an object of its
// keys in file order with their values (null for a line without "="). Keys
// before the first section are under the section name "".
Json StrIniToJson(std::span<const std::uint8_t> bytes);

// The file's bytes as the program writes them; throws BadInput for a name or
// value that str.ini cannot hold as given (line breaks, blanks at either end,
// "=" in a key, ...).
std::vector<std::uint8_t> StrIniFromJson(const Json& sections, const std::string& path);

// ---------------------------------------------------------- settings files

inline constexpr char kSettingsFormat[] = "corvane-settings";
inline constexpr int kSettingsFormatVersion = 1;

struct SettingsFilesBytes {
    std::array<std::uint8_t, kConfigFileSize> config{};
    std::optional<std::vector<std::uint8_t>> strIni;  // nullopt: there is no str.ini
    friend bool operator==(const SettingsFilesBytes&, const SettingsFilesBytes&) = default;
};

struct ImportedSettings {
    SettingsFilesBytes files;
    std::uint8_t sensorType = 0;
};

// The JSON document, indented, ending in a line break. `sensorType` (0-3)
// chooses the DPI list whose texts name the DPI indexes; it is recorded in
// the document.
std::string SettingsToJson(const SettingsFilesBytes& files, std::uint8_t sensorType);

// Throws BadInput naming the first bad value. str.ini comes back in the form
// the program writes it (UTF-16LE with a byte-order mark, CR LF lines).
ImportedSettings SettingsFromJson(std::string_view text);

}  // namespace corvane::ctl
