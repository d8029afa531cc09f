#include "app/ctl/settings_json.h"

#include <cstdio>

#include "app/ctl/ctl.h"
#include "core/text_encoding.h"
#include "meaning/button_functions.h"
#include "settings/dpi_table.h"
#include "settings/ini_document.h"

namespace corvane::ctl {

// ----------------------------------------------------------------- str.ini

namespace {

Json KeysToJson(const IniSection& section) {
    Json keys = Json::object();
    for (const IniKey& key : section.keys) {
        const std::string name = ToUtf8(key.name);
        // Lookups only ever see the first key of a name.
        if (!keys.contains(name)) {
            keys[name] = key.value ? Json(ToUtf8(*key.value)) : Json(nullptr);
        }
    }
    return keys;
}

std::wstring TextOf(const Json& value, const std::string& path) {
    if (!value.is_string()) {
        BadValue(path, "expected a string, found " + TypeName(value));
    }
    return FromUtf8(value.get_ref<const std::string&>());
}

// The lines of the file as the program writes them.
std::wstring IniText(const Json& sections, const std::string& path) {
    std::wstring text;
    bool first = true;
    for (auto section = sections.begin(); section != sections.end(); ++section, first = false) {
        const std::string sectionPath = path + "." + section.key();
        if (!section.value().is_object()) {
            BadValue(sectionPath, "expected an object of keys, found " + TypeName(section.value()));
        }
        if (section.key().empty() && !first) {
            BadValue(sectionPath, "keys without a section must come first");
        }
        if (!section.key().empty()) {
            text += L"[" + FromUtf8(section.key()) + L"]\r\n";
        }
        for (auto key = section.value().begin(); key != section.value().end(); ++key) {
            text += FromUtf8(key.key());
            if (!key.value().is_null()) {
                text += L"=" + TextOf(key.value(), sectionPath + "." + key.key());
            }
            text += L"\r\n";
        }
    }
    return text;
}

// What the file would read back as must be what the JSON says; the first
// name or value that does not survive is refused.
void CheckReadsBack(const Json& sections, const std::string& path) {
    const Json back = StrIniToJson(EncodeUtf16LeWithBom(IniText(sections, path)));
    auto theirs = back.begin();
    for (auto section = sections.begin(); section != sections.end(); ++section) {
        const std::string sectionPath = path + "." + section.key();
        if (theirs == back.end() || theirs.key() != section.key()) {
            BadValue(sectionPath, "a section name str.ini cannot hold as given");
        }
        auto key = section.value().begin();
        auto theirKey = theirs.value().begin();
        for (; key != section.value().end(); ++key, ++theirKey) {
            if (theirKey == theirs.value().end() || theirKey.key() != key.key() ||
                theirKey.value() != key.value()) {
                BadValue(sectionPath + "." + key.key(),
                         "a key or value str.ini cannot hold as given (line breaks, blanks at "
                         "either end, \"=\" in a key, a repeated key)");
            }
        }
        if (theirKey != theirs.value().end()) {
            BadValue(sectionPath, "a section str.ini cannot hold as given");
        }
        ++theirs;
    }
    if (theirs != back.end()) {
        BadValue(path, "sections str.ini cannot hold as given");
    }
}

}  // namespace

Json StrIniToJson(std::span<const std::uint8_t> bytes) {
    const IniDocument document = IniDocument::Parse(DecodeIniBytes(bytes));
    Json sections = Json::object();
    for (const IniSection& section : document.sections()) {
        const std::string name = ToUtf8(section.name);
        // The keys before the first section appear only when there are any;
        // of repeated sections, lookups only ever see the first.
        if ((name.empty() && section.keys.empty()) || sections.contains(name)) {
            continue;
        }
        sections[name] = KeysToJson(section);
    }
    return sections;
}

std::vector<std::uint8_t> StrIniFromJson(const Json& sections, const std::string& path) {
    if (!sections.is_object()) {
        BadValue(path, "expected an object of sections or null, found " + TypeName(sections));
    }
    CheckReadsBack(sections, path);
    return EncodeUtf16LeWithBom(IniText(sections, path));
}

// ---------------------------------------------------------- settings files

namespace {

constexpr std::size_t kDpiLevels = 4;
constexpr std::size_t kLedColours = 4;

// --- colours as "#RRGGBB"

std::string ColourText(const Rgb& colour) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02X%02X%02X", colour.red, colour.green, colour.blue);
    return text;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    return -1;
}

Rgb ColourOf(const Json& value, const std::string& path) {
    const std::string text = value.is_string() ? value.get<std::string>() : std::string();
    const bool shaped = text.size() == 7 && text[0] == '#';
    std::uint8_t parts[3] = {};
    for (int i = 0; shaped && i < 3; ++i) {
        const int high = HexDigit(text[1 + 2 * i]);
        const int low = HexDigit(text[2 + 2 * i]);
        if (high < 0 || low < 0) {
            BadValue(path, "expected a colour \"#RRGGBB\", found \"" + text + "\"");
        }
        parts[i] = static_cast<std::uint8_t>(high * 16 + low);
    }
    if (!shaped) {
        BadValue(path, "expected a colour \"#RRGGBB\", found " +
                           (value.is_string() ? "\"" + text + "\"" : TypeName(value)));
    }
    return Rgb{parts[0], parts[1], parts[2]};
}

// --- DPI stage switches: true (1), false (0) or another number

Json StageOnJson(std::uint8_t value) {
    return value == 1 ? Json(true) : value == 0 ? Json(false) : Json(value);
}

std::uint8_t StageOnOf(const Json& value, const std::string& path) {
    return value.is_boolean() ? static_cast<std::uint8_t>(value.get<bool>()) : ByteAt(value, path);
}

template <std::size_t N>
Json BytesJson(const std::uint8_t (&bytes)[N]) {
    Json array = Json::array();
    for (const std::uint8_t b : bytes) {
        array.push_back(b);
    }
    return array;
}

template <std::size_t N>
void ReadBytes(JsonObjectReader& reader, const std::string& name, std::uint8_t (&bytes)[N]) {
    const Json& array = reader.Array(name, N);
    for (std::size_t i = 0; i < N; ++i) {
        bytes[i] = ByteAt(array[i], reader.PathOf(name) + "." + std::to_string(i));
    }
}

// --- buttons

Json ButtonJson(const SettingsRecord& r, const SettingNames& names, int layer, int button) {
    Json entry = Json::object();
    for (const ButtonField& field : kButtonFields) {
        const std::uint8_t value = (r.*field.member)[layer][button];
        entry[field.name] = ByteJson(value, names.*field.names);
    }
    return entry;
}

void ReadButton(JsonObjectReader reader, const SettingNames& names, SettingsRecord& r, int layer,
                int button) {
    for (const ButtonField& field : kButtonFields) {
        (r.*field.member)[layer][button] = reader.Byte(field.name, names.*field.names);
    }
    reader.Done();
}

Json ButtonsJson(const SettingsRecord& r, const SettingNames& names) {
    Json layers = Json::object();
    for (int layer = 0; layer < kLayerCount; ++layer) {
        Json buttons = Json::object();
        for (int button = 0; button < kButtonSlots; ++button) {
            buttons[std::to_string(button + kFirstButtonNumber)] =
                ButtonJson(r, names, layer, button);
        }
        layers[std::string(*LayerName(layer))] = buttons;
    }
    return layers;
}

void ReadButtons(JsonObjectReader reader, const SettingNames& names, SettingsRecord& r) {
    for (int layer = 0; layer < kLayerCount; ++layer) {
        JsonObjectReader buttons = reader.Object(std::string(*LayerName(layer)));
        for (int button = 0; button < kButtonSlots; ++button) {
            ReadButton(buttons.Object(std::to_string(button + kFirstButtonNumber)), names, r, layer,
                       button);
        }
        buttons.Done();
    }
    reader.Done();
}

// --- the record, field by field in its order

Json ConfigJson(const ConfigFileContents& c, const SettingNames& names) {
    const SettingsRecord& r = c.record;
    Json config = Json::object();
    config["firstRunFlag"] = c.firstRunFlag;
    config["reserved00"] = BytesJson(r.reserved00);
    config["reportRate"] = ByteJson(r.reportRate, names.rate);
    config["reserved06"] = r.reserved06;
    Json levels = Json::array();
    for (const std::uint8_t level : r.dpiLevel) {
        levels.push_back(ByteJson(level, names.dpi));
    }
    config["dpiLevel"] = levels;
    Json stageOn = Json::array();
    for (const std::uint8_t on : r.dpiStageOn) {
        stageOn.push_back(StageOnJson(on));
    }
    config["dpiStageOn"] = stageOn;
    config["reserved0E"] = r.reserved0E;
    Json colours = Json::array();
    for (const Rgb& colour : r.ledColour) {
        colours.push_back(ColourText(colour));
    }
    config["ledColour"] = colours;
    config["ledMode"] = ByteJson(r.ledMode, names.ledMode);
    config["ledParamA"] = r.ledParamA;
    config["ledParamB"] = r.ledParamB;
    config["reserved1E"] = r.reserved1E;
    config["leftRuleLayer"] = ByteJson(r.leftRuleLayer, names.layer);
    config["fireMakeTime"] = r.fireMakeTime;
    config["fireBreakTime"] = r.fireBreakTime;
    config["snipeDpiCode"] = r.snipeDpiCode;
    config["buttons"] = ButtonsJson(r, names);
    return config;
}

ConfigFileContents ReadConfig(JsonObjectReader reader, const SettingNames& names) {
    ConfigFileContents c{};
    SettingsRecord& r = c.record;
    c.firstRunFlag = reader.Byte("firstRunFlag");
    ReadBytes(reader, "reserved00", r.reserved00);
    r.reportRate = reader.Byte("reportRate", names.rate);
    r.reserved06 = reader.Byte("reserved06");
    const Json& levels = reader.Array("dpiLevel", kDpiLevels);
    for (std::size_t i = 0; i < kDpiLevels; ++i) {
        r.dpiLevel[i] =
            ByteAt(levels[i], reader.PathOf("dpiLevel") + "." + std::to_string(i), names.dpi);
    }
    const Json& stageOn = reader.Array("dpiStageOn", kDpiStages);
    for (std::size_t i = 0; i < kDpiStages; ++i) {
        r.dpiStageOn[i] =
            StageOnOf(stageOn[i], reader.PathOf("dpiStageOn") + "." + std::to_string(i));
    }
    r.reserved0E = reader.Byte("reserved0E");
    const Json& colours = reader.Array("ledColour", kLedColours);
    for (std::size_t i = 0; i < kLedColours; ++i) {
        r.ledColour[i] = ColourOf(colours[i], reader.PathOf("ledColour") + "." + std::to_string(i));
    }
    r.ledMode = reader.Byte("ledMode", names.ledMode);
    r.ledParamA = reader.Byte("ledParamA");
    r.ledParamB = reader.Byte("ledParamB");
    r.reserved1E = reader.Byte("reserved1E");
    r.leftRuleLayer = reader.Byte("leftRuleLayer", names.layer);
    r.fireMakeTime = reader.Byte("fireMakeTime");
    r.fireBreakTime = reader.Byte("fireBreakTime");
    r.snipeDpiCode = reader.Byte("snipeDpiCode");
    ReadButtons(reader.Object("buttons"), names, r);
    reader.Done();
    return c;
}

std::uint8_t ReadSensorType(JsonObjectReader& top) {
    const std::uint8_t sensor = top.Byte("sensorType");
    if (sensor >= kSensorTypeCount) {
        BadValue("sensorType", std::to_string(sensor) + " is out of range (0 to 3)");
    }
    return sensor;
}

void ReadFormat(JsonObjectReader& top) {
    const Json& format = top.Field("format");
    if (format != kSettingsFormat) {
        BadValue("format", std::string("expected \"") + kSettingsFormat + "\"");
    }
    const Json& version = top.Field("version");
    if (version != kSettingsFormatVersion) {
        BadValue("version", "expected " + std::to_string(kSettingsFormatVersion));
    }
}

}  // namespace

std::string SettingsToJson(const SettingsFilesBytes& files, std::uint8_t sensorType) {
    const SettingNames names = SettingNames::For(sensorType);
    Json document = Json::object();
    document["format"] = kSettingsFormat;
    document["version"] = kSettingsFormatVersion;
    document["sensorType"] = sensorType;
    document["config"] = ConfigJson(*ParseConfigFile(files.config), names);
    document["strIni"] = files.strIni ? StrIniToJson(*files.strIni) : Json(nullptr);
    return document.dump(2) + "\n";
}

ImportedSettings SettingsFromJson(std::string_view text) {
    Json document;
    try {
        document = Json::parse(text.begin(), text.end());
    } catch (const Json::exception& error) {
        // Syntax errors, and numbers beyond what a double holds.
        throw BadInput(std::string("not valid JSON: ") + error.what());
    }
    JsonObjectReader top(document, "");
    ReadFormat(top);
    ImportedSettings imported;
    imported.sensorType = ReadSensorType(top);
    const SettingNames names = SettingNames::For(imported.sensorType);
    const ConfigFileContents config = ReadConfig(top.Object("config"), names);
    imported.files.config = ConfigFileBytes(config.record);
    imported.files.config[0] = config.firstRunFlag;
    const Json& strIni = top.Field("strIni");
    if (!strIni.is_null()) {
        imported.files.strIni = StrIniFromJson(strIni, "strIni");
    }
    top.Done();
    return imported;
}

}  // namespace corvane::ctl
