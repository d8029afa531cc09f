#include "app/ctl/record_view.h"

#include "app/ctl/setting_names.h"
#include "app/ctl/value_names.h"
#include "core/text_encoding.h"

namespace corvane::ctl {
namespace {

std::string NameOf(std::uint8_t value, const ByteNames& names) {
    const auto name = names.nameOf(value);
    return name ? *name : std::to_string(value);
}

std::string Padded(std::string text, std::size_t width) {
    if (text.size() < width) {
        text.append(width - text.size(), ' ');
    }
    return text;
}

// The parameter the function uses, in words; empty for none.
std::string ParameterText(const SettingsRecord& r, const SettingNames& names, int layer,
                          int button) {
    switch (static_cast<ButtonFunction>(r.buttonFunction[layer][button])) {
        case ButtonFunction::WindowsFunction:
            return NameOf(r.windowsChoice[layer][button], names.windows);
        case ButtonFunction::Multimedia:
            return NameOf(r.mediaChoice[layer][button], names.media);
        case ButtonFunction::HotKey:
            return NameOf(r.hotKeyChoice[layer][button], names.hotKey);
        case ButtonFunction::SingleKey:
            return NameOf(r.singleKeyCode[layer][button], names.keyCode);
        case ButtonFunction::SnipeKey:
            return NameOf(r.snipeChoice[layer][button], names.dpi);
        case ButtonFunction::FireKey: {
            const int times = r.fireCount[layer][button];
            return NameOf(r.fireKeyChoice[layer][button], names.fireKey) + ", " +
                   (times == 0 ? std::string("until released") : std::to_string(times) + " times");
        }
        default:
            return "";
    }
}

void AppendLayers(const SettingsRecord& r, const KeyLabels& labels, std::uint8_t sensor,
                  std::string& text) {
    for (int layer = 0; layer < kLayerCount; ++layer) {
        text +=
            (layer == 0 ? "Normal" : "Shift") + std::string(" layer (button, function, label):\n");
        for (int button = 0; button < kButtonSlots; ++button) {
            text += "  " + std::to_string(button + kFirstButtonNumber) + "  " +
                    Padded(ButtonText(r, sensor, layer, button), 32) + "\"" +
                    ToUtf8(labels[layer][button]) + "\"\n";
        }
    }
}

}  // namespace

std::string ButtonText(const SettingsRecord& record, std::uint8_t sensorType, int layer,
                       int button) {
    const SettingNames names = SettingNames::For(sensorType);
    const std::string function = NameOf(record.buttonFunction[layer][button], names.function);
    const std::string parameter = ParameterText(record, names, layer, button);
    return parameter.empty() ? function : function + " " + parameter;
}

std::string RecordText(const ConfigFileContents& config, const KeyLabels& labels,
                       std::uint8_t sensorType) {
    const SettingsRecord& r = config.record;
    const SettingNames names = SettingNames::For(sensorType);
    std::string text;
    text += "First-run flag: " + std::to_string(config.firstRunFlag) + "\n";
    text += "Report rate: " + NameOf(r.reportRate, names.rate) + "\n";
    text += "DPI stages (sensor type " + std::to_string(sensorType) + "):\n";
    for (int stage = 0; stage < kDpiStages; ++stage) {
        const std::uint8_t on = r.dpiStageOn[stage];
        text += "  " + std::to_string(stage + 1) + "  " +
                Padded(NameOf(r.dpiLevel[stage], names.dpi), 6) +
                (on == 1   ? "on"
                 : on == 0 ? "off"
                           : "on (" + std::to_string(on) + ")") +
                "\n";
    }
    text += "  4  " + NameOf(r.dpiLevel[3], names.dpi) + " (tray notices only)\n";
    text += "Lighting: " + NameOf(r.ledMode, names.ledMode) + ", mode1 parameter " +
            std::to_string(r.ledParamA) + ", mode2 parameter " + std::to_string(r.ledParamB) + "\n";
    text += "Fire key: make time " + std::to_string(r.fireMakeTime) + ", break time " +
            std::to_string(r.fireBreakTime) + "\n";
    text += "Snipe DPI code: " + Hex2(r.snipeDpiCode) + "\n";
    text += "Left-click rule: " +
            (LayerName(r.leftRuleLayer) ? *LayerName(r.leftRuleLayer) + " layer"
                                        : "none (" + std::to_string(r.leftRuleLayer) + ")") +
            "\n";
    AppendLayers(r, labels, sensorType, text);
    return text;
}

}  // namespace corvane::ctl
