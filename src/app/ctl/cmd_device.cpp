// The commands that talk to the mouse: list, info (the mouse's memory
// decoded, as text or JSON), backup, restore.
#include <algorithm>

#include "app/ctl/ctl.h"
#include "app/ctl/device_session.h"
#include "app/ctl/settings_folder.h"
#include "app/ctl/settings_json.h"
#include "core/text_encoding.h"
#include "device/hid_survey.h"
#include "device/mouse_link.h"
#include "meaning/button_functions.h"
#include "meaning/choice_lists.h"
#include "meaning/led_settings.h"
#include "settings/dpi_table.h"

namespace corvane::ctl {
namespace {

std::optional<std::string> ChannelRole(const HidInterfaceInfo& i) {
    if (!i.opened || !i.capsKnown || i.attributes.vendorId != kMouseVendorId ||
        i.attributes.productId != kMouseProductId || i.caps.usagePage != kUsagePageGenericDesktop) {
        return std::nullopt;
    }
    if (i.caps.usage == kUsageCommandInterface &&
        i.caps.featureReportByteLength == kCommandFeatureLength) {
        return "command";
    }
    if (i.caps.usage == kUsageDataInterface &&
        i.caps.featureReportByteLength == kDataFeatureLength) {
        return "data";
    }
    return std::nullopt;
}

// On Linux a device node the user may not open is what the udev rule mends.
std::string PermissionHint(const HidPort& port, std::uint32_t error) {
    if (!port.NeedsAccessRule(error)) {
        return "";
    }
    return "; install the udev rule " + std::string(kAccessRuleFileName) +
           " (README: Linux set-up) and plug the mouse in again";
}

// Why an interface could not be opened, and what to do about it; empty when
// it could.
std::string OpenProblem(const HidInterfaceInfo& i, const HidPort& port, bool simulated) {
    if (i.path.empty()) {
        return "its detail record could not be read";
    }
    // The simulated mouse numbers its errors as Windows does, whatever the
    // system, so only the number is told.
    const auto errorText = [simulated](std::uint32_t error) {
        return simulated ? "system error " + std::to_string(error) : SystemErrorText(error);
    };
    if (!i.opened) {
        return "cannot be opened (" + errorText(i.openError) + ")" +
               PermissionHint(port, i.openError);
    }
    if (!i.accessible) {
        return "cannot be opened for feature reports (" + errorText(i.accessError) + ")" +
               PermissionHint(port, i.accessError);
    }
    return "";
}

std::string InterfaceLine(const HidInterfaceInfo& i) {
    std::string line =
        Hex4(i.attributes.vendorId).substr(2) + ":" + Hex4(i.attributes.productId).substr(2);
    if (!i.capsKnown) {
        return line + "  capabilities unknown";
    }
    line += "  usage page " + Hex4(i.caps.usagePage) + "  usage " + Hex4(i.caps.usage) +
            "  feature length " + std::to_string(i.caps.featureReportByteLength);
    const auto role = ChannelRole(i);
    return role ? line + "  the mouse's " + *role + " channel" : line;
}

Json InterfaceJson(const HidInterfaceInfo& i, const HidPort& port, bool simulated) {
    Json entry = {{"path", ToUtf8(i.path)}, {"opened", i.opened}, {"accessible", i.accessible}};
    const std::string problem = OpenProblem(i, port, simulated);
    entry["problem"] = problem.empty() ? Json(nullptr) : Json(problem);
    if (i.opened) {
        entry["vendorId"] = i.attributes.vendorId;
        entry["productId"] = i.attributes.productId;
    }
    if (i.capsKnown) {
        entry["usagePage"] = i.caps.usagePage;
        entry["usage"] = i.caps.usage;
        entry["featureReportLength"] = i.caps.featureReportByteLength;
    }
    const auto role = ChannelRole(i);
    entry["channel"] = role ? Json(*role) : Json(nullptr);
    return entry;
}

// ------------------------------------------------------------ the image read

// A button entry told as the function it gives the button.
struct DecodedEntry {
    std::string function;  // a function name, or "unknown"
    Json parameters = Json::object();
    std::string detail;  // the parameters in words
};

std::string NameOr(const std::optional<std::string>& name, std::uint8_t code) {
    return name ? *name : Hex2(code);
}

// A parameter named `field` in the JSON, and in words.
DecodedEntry WithParameter(DecodedEntry e, const char* field, const std::string& name) {
    e.parameters[field] = name;
    e.detail = name;
    return e;
}

DecodedEntry Decode(const ButtonEntry& entry, const SettingNames& names) {
    const std::optional<ButtonSetting> setting = DecodeButton(entry);
    if (!setting) {
        DecodedEntry e{"unknown", Json::object(), ""};
        e.parameters["code"] = entry.code;
        e.parameters["class"] = entry.entryClass;
        e.detail = "code " + Hex2(entry.code) + ", class " + Hex2(entry.entryClass);
        return e;
    }
    const DecodedEntry e{std::string(FunctionName(setting->function)), Json::object(), ""};
    const std::uint8_t p = setting->parameter;
    switch (setting->function) {
        case ButtonFunction::Multimedia:
            return WithParameter(e, "mediaChoice", NameOr(names.media.nameOf(p), p));
        case ButtonFunction::WindowsFunction:
            return WithParameter(e, "windowsChoice", NameOr(names.windows.nameOf(p), p));
        case ButtonFunction::HotKey:
            return WithParameter(e, "hotKeyChoice", NameOr(names.hotKey.nameOf(p), p));
        case ButtonFunction::SingleKey:
            return WithParameter(e, "key", NameOr(names.keyCode.nameOf(p), p));
        case ButtonFunction::FireKey: {
            const std::string key = NameOr(names.fireCode.nameOf(p), p);
            const int times = setting->fireCount;
            DecodedEntry fire = WithParameter(e, "key", key);
            fire.parameters["times"] = times;
            fire.detail +=
                ", " + (times == 0 ? "until released" : std::to_string(times) + " times");
            return fire;
        }
        default:
            return e;
    }
}

const ButtonEntry& EntryOf(const DeviceImage& image, int layer, int button) {
    const int slot = *DeviceSlotOf(button);
    return layer == kNormalLayer ? image.page3.buttonTable0[slot] : image.page3.buttonTable1[slot];
}

struct DpiCodeView {
    std::optional<std::string> text;
    bool on;
};

DpiCodeView ViewOfDpiCode(const SettingNames& names, std::uint8_t sensorType, std::uint8_t code) {
    const auto index = DpiIndexOfCode(sensorType, code);
    return {index ? names.dpi.nameOf(static_cast<std::uint8_t>(*index)) : std::nullopt,
            DpiCodeEnabled(code)};
}

std::string HotKeyText(const HotKeyEntry& hotKey, const SettingNames& names) {
    return NameOr(names.keyCode.nameOf(hotKey.modifier), hotKey.modifier) + " + " +
           NameOr(names.keyCode.nameOf(hotKey.key), hotKey.key);
}

// The media key or Windows function whose choice selects entry `entry` of
// the consumer table.
std::optional<std::string> ConsumerEntryName(int entry) {
    for (const std::span<const ChoiceEntry> list :
         {std::span<const ChoiceEntry>(MediaChoices()),
          std::span<const ChoiceEntry>(WindowsChoices())}) {
        for (const ChoiceEntry& choice : list) {
            if (choice.deviceCode == entry) {
                return ToUtf8(std::wstring(choice.text.english));
            }
        }
    }
    return std::nullopt;
}

void AppendLayers(const DeviceImage& image, const SettingNames& names, std::string& text) {
    for (int layer = 0; layer < kLayerCount; ++layer) {
        text += (layer == kNormalLayer ? "Normal" : "Shift") + std::string(" layer:\n");
        for (int button = 0; button < kRealButtons; ++button) {
            const DecodedEntry e = Decode(EntryOf(image, layer, button), names);
            text += "  " + std::to_string(button + kFirstButtonNumber) + "  " +
                    (e.detail.empty() ? e.function : Padded(e.function, 12) + e.detail) + "\n";
        }
    }
}

void AppendTables(const DeviceImage& image, const SettingNames& names, std::string& text) {
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
                "  " + HotKeyText(hotKey, names) + "\n";
    }
}

std::string RateText(std::uint8_t code) {
    const auto rate = RateName(code);
    return rate ? *rate : "unknown (code " + std::to_string(code) + ")";
}

// The mouse's memory decoded for `info`: report rate, DPI stages, both key
// layers with function names and parameters, lighting, fire-key times,
// snipe DPI, the consumer and hot-key tables.
std::string ImageText(const DeviceImage& image) {
    const DevicePage4& p4 = image.page4;
    const std::uint8_t sensor = p4.sensorType;
    const SettingNames names = SettingNames::For(sensor);
    std::string text;
    text += "Report rate: " + RateText(image.reportRate) + "\n";
    text += "Current DPI stage: " + std::to_string(image.dpiStage) + "\n";
    text += "Sensor type: " + std::to_string(sensor) + "\n";
    text += "DPI stages (" + std::to_string(p4.enabledStageCount) + " enabled):\n";
    for (int stage = 0; stage < kDpiStages; ++stage) {
        const DpiCodeView view = ViewOfDpiCode(names, sensor, p4.dpiCode[stage]);
        text += "  " + std::to_string(stage + 1) + "  " + Padded(view.text.value_or("?"), 6) +
                (view.on ? "on " : "off") + "  (code " + Hex2(p4.dpiCode[stage]) + ")\n";
    }
    AppendLayers(image, names, text);
    text += "Lighting: " + LightingModeName(p4.ledMode).value_or(Hex2(p4.ledMode)) +
            ", parameter " + std::to_string(p4.ledParam) + "\n";
    text += "Fire key: make time " + std::to_string(p4.fireMakeTime) + ", break time " +
            std::to_string(p4.fireBreakTime) + "\n";
    text += "Snipe DPI: " + ViewOfDpiCode(names, sensor, p4.snipeDpiCode).text.value_or("?") +
            " (code " + Hex2(p4.snipeDpiCode) + ")\n";
    AppendTables(image, names, text);
    return text;
}

Json ImageJson(const DeviceImage& image) {
    const DevicePage4& p4 = image.page4;
    const std::uint8_t sensor = p4.sensorType;
    const SettingNames names = SettingNames::For(sensor);
    Json info = Json::object();
    info["reportRate"] =
        RateName(image.reportRate) ? Json(*RateName(image.reportRate)) : Json(image.reportRate);
    info["dpiStage"] = image.dpiStage;
    info["sensorType"] = sensor;
    info["enabledStageCount"] = p4.enabledStageCount;
    Json stages = Json::array();
    for (int stage = 0; stage < kDpiStages; ++stage) {
        const DpiCodeView view = ViewOfDpiCode(names, sensor, p4.dpiCode[stage]);
        stages.push_back({{"dpi", view.text ? Json(*view.text) : Json(nullptr)},
                          {"enabled", view.on},
                          {"code", p4.dpiCode[stage]}});
    }
    info["dpiStages"] = stages;
    Json layers = Json::object();
    for (int layer = 0; layer < kLayerCount; ++layer) {
        Json buttons = Json::object();
        for (int button = 0; button < kRealButtons; ++button) {
            DecodedEntry e = Decode(EntryOf(image, layer, button), names);
            Json entry = {{"function", e.function}};
            entry.update(e.parameters);
            buttons[std::to_string(button + kFirstButtonNumber)] = entry;
        }
        layers[std::string(*LayerName(layer))] = buttons;
    }
    info["buttons"] = layers;
    info["lighting"] = {{"mode", p4.ledMode}, {"parameter", p4.ledParam}};
    info["fireKey"] = {{"makeTime", p4.fireMakeTime}, {"breakTime", p4.fireBreakTime}};
    const auto snipe = ViewOfDpiCode(names, sensor, p4.snipeDpiCode).text;
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

}  // namespace

int RunList(CtlContext& context, const CommonOptions& options) {
    DeviceSession session(context, options);
    const HidSurvey survey = SurveyHidInterfaces(session.port());
    if (!survey.listObtained) {
        throw Failed("the system gave no list of HID interfaces");
    }
    const bool found = session.TryConnect();
    if (options.json) {
        Json interfaces = Json::array();
        for (const HidInterfaceInfo& i : survey.interfaces) {
            interfaces.push_back(InterfaceJson(i, session.port(), options.simulate));
        }
        context.out << Json{{"interfaces", interfaces}, {"mouseFound", found}}.dump(2) << '\n';
        return kExitDone;
    }
    context.out << survey.interfaces.size() << " HID interface(s):\n";
    for (const HidInterfaceInfo& i : survey.interfaces) {
        const std::string problem = OpenProblem(i, session.port(), options.simulate);
        context.out << "  " << (i.opened ? InterfaceLine(i) : "?") << "\n      " << ToUtf8(i.path)
                    << '\n'
                    << (problem.empty() ? "" : "      " + problem + "\n");
    }
    context.out << "The mouse: " << (found ? "found" : "not found") << '\n';
    return kExitDone;
}

int RunInfo(CtlContext& context, const CommonOptions& options) {
    DeviceSession session(context, options);
    session.Connect();
    const DeviceImage& image = session.Read();
    context.out << (options.json ? ImageJson(image).dump(2) + "\n" : ImageText(image));
    return kExitDone;
}

int RunBackup(CtlContext& context, const CommonOptions& options, const std::string& file) {
    DeviceSession session(context, options);
    session.Connect();
    const DeviceImage& image = session.Read();
    WriteWholeFile(context.files, FromUtf8(file), image.bytes());
    context.out << "The mouse's memory (" << kDeviceImageSize << " bytes) is saved in " << file
                << '\n';
    return kExitDone;
}

int RunRestore(CtlContext& context, const CommonOptions& options, const std::string& file) {
    const auto bytes = ReadWholeFile(context.files, FromUtf8(file), kDeviceImageSize + 1);
    if (!bytes) {
        throw Failed("the backup file " + file + " does not exist");
    }
    if (bytes->size() != kDeviceImageSize) {
        throw BadInput(file + " is not a backup of the mouse: it has " +
                       (bytes->size() > kDeviceImageSize
                            ? "more than " + std::to_string(kDeviceImageSize)
                            : std::to_string(bytes->size())) +
                       " bytes instead of " + std::to_string(kDeviceImageSize));
    }
    DeviceSession session(context, options);
    session.Connect();
    session.Read();
    std::copy(bytes->begin(), bytes->end(), session.state().image.bytes().begin());
    if (!session.Write()) {
        throw Failed(
            "the backup was not written to the mouse completely; check its cable and "
            "run the restore again");
    }
    const DeviceImage& back = session.Read();
    const auto differs = std::mismatch(bytes->begin(), bytes->end(), back.bytes().begin());
    if (differs.first != bytes->end()) {
        const auto at = static_cast<std::size_t>(differs.first - bytes->begin());
        throw Failed("the mouse's memory differs from " + file + " at byte " + std::to_string(at) +
                     " (mouse " + Hex2(*differs.second) + ", file " + Hex2(*differs.first) +
                     "); run the restore again, and if it stays, attach a --trace to a bug report");
    }
    context.out << "The mouse's memory is restored from " << file << " and read back equal\n";
    return kExitDone;
}

}  // namespace corvane::ctl
