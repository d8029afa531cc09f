#include "app/ctl/image_view.h"

#include <optional>

#include "app/ctl/choice_names.h"
#include "app/ctl/trace_port.h"
#include "app/ctl/value_names.h"
#include "settings/dpi_table.h"

namespace corvane::ctl {
namespace {

constexpr int kConsumerMediaEntries = 7;       // entries 0-6 serve Multimedia
constexpr std::uint8_t kWindowsFirstCode = 7;  // entries 7-15 serve WindowsFunction
constexpr std::uint8_t kHotKeyFirstCode = 16;  // combined table entries 16-23
constexpr std::uint8_t kCombinedTableEnd = 24;

// A button entry told as the function it gives the button.
struct DecodedEntry {
    std::string function;  // a function name, or "unknown"
    Json parameters = Json::object();
    std::string detail;  // the parameters in words
};

std::string NameOr(const std::optional<std::string>& name, std::uint8_t code) {
    return name ? *name : Hex2(code);
}

DecodedEntry Named(ButtonFunction function) {
    return DecodedEntry{*FunctionName(static_cast<std::uint8_t>(function)), Json::object(), ""};
}

DecodedEntry CombinedEntry(std::uint8_t code) {
    if (code < kWindowsFirstCode) {
        DecodedEntry e = Named(ButtonFunction::Multimedia);
        const std::string name = NameOr(ChoiceName(ChoiceList::Media, code), code);
        e.parameters["mediaChoice"] = name;
        e.detail = name;
        return e;
    }
    if (code < kHotKeyFirstCode) {
        const auto choice = static_cast<std::uint8_t>(code - kWindowsFirstCode);
        DecodedEntry e = Named(ButtonFunction::WindowsFunction);
        const std::string name = NameOr(ChoiceName(ChoiceList::Windows, choice), choice);
        e.parameters["windowsChoice"] = name;
        e.detail = name;
        return e;
    }
    const auto choice = static_cast<std::uint8_t>(code - kHotKeyFirstCode);
    DecodedEntry e = Named(ButtonFunction::HotKey);
    const std::string name = NameOr(ChoiceName(ChoiceList::HotKey, choice), choice);
    e.parameters["hotKeyChoice"] = name;
    e.detail = name;
    return e;
}

DecodedEntry PlainEntry(std::uint8_t code) {
    switch (code) {
        case 0xF0:
            return Named(ButtonFunction::LeftClick);
        case 0xF1:
            return Named(ButtonFunction::RightClick);
        case 0xF2:
            return Named(ButtonFunction::MidClick);
        case 0xF3:
            return Named(ButtonFunction::Backward);
        case 0xF4:
            return Named(ButtonFunction::Forward);
        case 0x00:
            return Named(ButtonFunction::KeyOff);
        default:
            break;
    }
    DecodedEntry e = Named(ButtonFunction::SingleKey);
    const std::string name = NameOr(KeyNameOfCode(code), code);
    e.parameters["key"] = name;
    e.detail = name;
    return e;
}

std::optional<DecodedEntry> SpecialEntry(std::uint8_t code) {
    switch (code) {
        case 5:
            return Named(ButtonFunction::DpiSwitch);
        case 10:
            return Named(ButtonFunction::SnipeKey);
        case 6:
            return Named(ButtonFunction::Shift);
        default:
            return std::nullopt;
    }
}

DecodedEntry Decode(const ButtonEntry& entry) {
    if (entry.entryClass >= kClassFireBit) {
        DecodedEntry e = Named(ButtonFunction::FireKey);
        const std::string key = NameOr(FireKeyNameOfCode(entry.code), entry.code);
        const int times = entry.entryClass - kClassFireBit;
        e.parameters["key"] = key;
        e.parameters["times"] = times;
        e.detail = key + ", " + (times == 0 ? "until released" : std::to_string(times) + " times");
        return e;
    }
    if (entry.entryClass == kClassPlain) {
        return PlainEntry(entry.code);
    }
    if (entry.entryClass == kClassCombinedTable && entry.code < kCombinedTableEnd) {
        return CombinedEntry(entry.code);
    }
    if (entry.entryClass == kClassSpecial) {
        if (auto special = SpecialEntry(entry.code)) {
            return *special;
        }
    }
    DecodedEntry e{"unknown", Json::object(), ""};
    e.parameters["code"] = entry.code;
    e.parameters["class"] = entry.entryClass;
    e.detail = "code " + Hex2(entry.code) + ", class " + Hex2(entry.entryClass);
    return e;
}

const ButtonEntry& EntryOf(const DeviceImage& image, int layer, int button) {
    const int slot = *DeviceSlotOf(button);
    return layer == 0 ? image.page3.buttonTable0[slot] : image.page3.buttonTable1[slot];
}

struct DpiCodeView {
    std::optional<std::string> text;
    bool on;
};

DpiCodeView ViewOfDpiCode(std::uint8_t sensorType, std::uint8_t code) {
    const auto choices = DpiChoicesOf(sensorType);
    for (std::size_t i = 0; i < choices.size(); ++i) {
        if (choices[i].code == (code & ~kDpiDisabledBit)) {
            return {DpiName(sensorType, static_cast<std::uint8_t>(i)),
                    (code & kDpiDisabledBit) == 0};
        }
    }
    return {std::nullopt, (code & kDpiDisabledBit) == 0};
}

std::string HotKeyText(const HotKeyEntry& hotKey) {
    return NameOr(KeyNameOfCode(hotKey.modifier), hotKey.modifier) + " + " +
           NameOr(KeyNameOfCode(hotKey.key), hotKey.key);
}

std::optional<std::string> ConsumerEntryName(int entry) {
    return entry < kConsumerMediaEntries
               ? ChoiceName(ChoiceList::Media, static_cast<std::uint8_t>(entry))
               : ChoiceName(ChoiceList::Windows,
                            static_cast<std::uint8_t>(entry - kWindowsFirstCode));
}

std::string Padded(std::string text, std::size_t width) {
    if (text.size() < width) {
        text.append(width - text.size(), ' ');
    }
    return text;
}

void AppendLayers(const DeviceImage& image, std::string& text) {
    for (int layer = 0; layer < kLayerCount; ++layer) {
        text += (layer == 0 ? "Normal" : "Shift") + std::string(" layer:\n");
        for (int button = 0; button < kRealButtons; ++button) {
            const DecodedEntry e = Decode(EntryOf(image, layer, button));
            text += "  " + std::to_string(button + kFirstButtonNumber) + "  " +
                    (e.detail.empty() ? e.function : Padded(e.function, 12) + e.detail) + "\n";
        }
    }
}

void AppendTables(const DeviceImage& image, std::string& text) {
    text += "Consumer table:\n";
    for (int i = 0; i < 16; ++i) {
        const std::uint16_t usage = FromLeU16(image.page4.consumerTable[i]);
        const auto name = ConsumerEntryName(i);
        text +=
            "  " + Padded(std::to_string(i), 4) + Hex4(usage) + (name ? "  " + *name : "") + "\n";
    }
    text += "Hot-key table:\n";
    for (int i = 0; i < 8; ++i) {
        const HotKeyEntry& hotKey = image.page5.hotKeyTable[i];
        text += "  " + Padded(std::to_string(i), 4) + HexBytes(std::span(&hotKey.modifier, 2)) +
                "  " + HotKeyText(hotKey) + "\n";
    }
}

std::string RateText(std::uint8_t code) {
    const auto rate = RateName(code);
    return rate ? *rate : "unknown (code " + std::to_string(code) + ")";
}

}  // namespace

std::string ImageText(const DeviceImage& image) {
    const DevicePage4& p4 = image.page4;
    const std::uint8_t sensor = p4.sensorType;
    std::string text;
    text += "Report rate: " + RateText(image.reportRate) + "\n";
    text += "Current DPI stage: " + std::to_string(image.dpiStage) + "\n";
    text += "Sensor type: " + std::to_string(sensor) + "\n";
    text += "DPI stages (" + std::to_string(p4.enabledStageCount) + " enabled):\n";
    for (int stage = 0; stage < kDpiStages; ++stage) {
        const DpiCodeView view = ViewOfDpiCode(sensor, p4.dpiCode[stage]);
        text += "  " + std::to_string(stage + 1) + "  " + Padded(view.text.value_or("?"), 6) +
                (view.on ? "on " : "off") + "  (code " + Hex2(p4.dpiCode[stage]) + ")\n";
    }
    AppendLayers(image, text);
    text += "Lighting: " + LedModeName(p4.ledMode).value_or(Hex2(p4.ledMode)) + ", parameter " +
            std::to_string(p4.ledParam) + "\n";
    text += "Fire key: make time " + std::to_string(p4.fireMakeTime) + ", break time " +
            std::to_string(p4.fireBreakTime) + "\n";
    text += "Snipe DPI: " + ViewOfDpiCode(sensor, p4.snipeDpiCode).text.value_or("?") + " (code " +
            Hex2(p4.snipeDpiCode) + ")\n";
    AppendTables(image, text);
    return text;
}

Json ImageJson(const DeviceImage& image) {
    const DevicePage4& p4 = image.page4;
    const std::uint8_t sensor = p4.sensorType;
    Json info = Json::object();
    info["reportRate"] =
        RateName(image.reportRate) ? Json(*RateName(image.reportRate)) : Json(image.reportRate);
    info["dpiStage"] = image.dpiStage;
    info["sensorType"] = sensor;
    info["enabledStageCount"] = p4.enabledStageCount;
    Json stages = Json::array();
    for (int stage = 0; stage < kDpiStages; ++stage) {
        const DpiCodeView view = ViewOfDpiCode(sensor, p4.dpiCode[stage]);
        stages.push_back({{"dpi", view.text ? Json(*view.text) : Json(nullptr)},
                          {"enabled", view.on},
                          {"code", p4.dpiCode[stage]}});
    }
    info["dpiStages"] = stages;
    Json layers = Json::object();
    for (int layer = 0; layer < kLayerCount; ++layer) {
        Json buttons = Json::object();
        for (int button = 0; button < kRealButtons; ++button) {
            DecodedEntry e = Decode(EntryOf(image, layer, button));
            Json entry = {{"function", e.function}};
            entry.update(e.parameters);
            buttons[std::to_string(button + kFirstButtonNumber)] = entry;
        }
        layers[*LayerName(layer)] = buttons;
    }
    info["buttons"] = layers;
    info["lighting"] = {{"mode", p4.ledMode}, {"parameter", p4.ledParam}};
    info["fireKey"] = {{"makeTime", p4.fireMakeTime}, {"breakTime", p4.fireBreakTime}};
    const auto snipe = ViewOfDpiCode(sensor, p4.snipeDpiCode).text;
    info["snipeDpi"] = {{"dpi", snipe ? Json(*snipe) : Json(nullptr)}, {"code", p4.snipeDpiCode}};
    Json consumer = Json::array();
    for (const LeU16& usage : p4.consumerTable) {
        consumer.push_back(FromLeU16(usage));
    }
    info["consumerTable"] = consumer;
    Json hotKeys = Json::array();
    for (const HotKeyEntry& hotKey : image.page5.hotKeyTable) {
        hotKeys.push_back({{"modifier", hotKey.modifier}, {"key", hotKey.key}});
    }
    info["hotKeyTable"] = hotKeys;
    info["memory"] = HexBytes(image.bytes());
    return info;
}

}  // namespace corvane::ctl
