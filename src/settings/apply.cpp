#include "settings/apply.h"

#include <algorithm>

#include "settings/dpi_table.h"

namespace corvane {
namespace {

// How a button function becomes its device entry: code = codeBase + the
// parameter byte of the button (if any), class = classBase + the class
// parameter byte (if any), both wrapping at 8 bits.
struct EntryRule {
    std::uint8_t codeBase;
    LayerButtonBytes SettingsRecord::*codeParam;
    std::uint8_t classBase;
    LayerButtonBytes SettingsRecord::*classParam;
};

constexpr std::array<EntryRule, kButtonFunctionCount> kEntryRules = {{
    {0xF0, nullptr, kClassPlain, nullptr},                              // LeftClick
    {0xF1, nullptr, kClassPlain, nullptr},                              // RightClick
    {0xF2, nullptr, kClassPlain, nullptr},                              // MidClick
    {0xF4, nullptr, kClassPlain, nullptr},                              // Forward
    {0xF3, nullptr, kClassPlain, nullptr},                              // Backward
    {5, nullptr, kClassSpecial, nullptr},                               // DpiSwitch
    {7, &SettingsRecord::windowsChoice, kClassCombinedTable, nullptr},  // WindowsFunction
    {0, &SettingsRecord::mediaChoice, kClassCombinedTable, nullptr},    // Multimedia
    {16, &SettingsRecord::hotKeyChoice, kClassCombinedTable, nullptr},  // HotKey
    {0, &SettingsRecord::fireKeyCode, kClassFireBit, &SettingsRecord::fireCount},  // FireKey
    {0, &SettingsRecord::singleKeyCode, kClassPlain, nullptr},                     // SingleKey
    {10, nullptr, kClassSpecial, nullptr},                                         // SnipeKey
    {0, nullptr, kClassPlain, nullptr},                                            // KeyOff
    {6, nullptr, kClassSpecial, nullptr},                                          // Shift
}};

std::uint8_t ParamByte(const SettingsRecord& record, LayerButtonBytes SettingsRecord::*param,
                       int layer, int button) {
    return param == nullptr ? 0 : (record.*param)[layer][button];
}

std::uint8_t CountOfOnes(std::span<const std::uint8_t> flags) {
    return static_cast<std::uint8_t>(std::count(flags.begin(), flags.end(), std::uint8_t{1}));
}

}  // namespace

ButtonEntry ButtonEntryOf(const SettingsRecord& record, int layer, int button) {
    const std::uint8_t function = record.buttonFunction[layer][button];
    if (function >= kEntryRules.size()) {
        return ButtonEntry{0, 0};  // treated as KeyOff
    }
    const EntryRule& rule = kEntryRules[function];
    return ButtonEntry{
        static_cast<std::uint8_t>(rule.codeBase + ParamByte(record, rule.codeParam, layer, button)),
        static_cast<std::uint8_t>(rule.classBase +
                                  ParamByte(record, rule.classParam, layer, button)),
    };
}

void PatchDeviceImage(const SettingsRecord& record, std::uint8_t sensorType, DeviceImage& image) {
    image.reportRate = record.reportRate;
    image.page4.ledMode = record.ledMode;
    if (record.ledMode == 1) {
        image.page4.ledParam = record.ledParamA;
    } else if (record.ledMode == 2) {
        image.page4.ledParam = record.ledParamB;
    }
    image.page4.enabledStageCount = CountOfOnes(record.dpiStageOn);
    image.page4.snipeDpiCode = record.snipeDpiCode;
    for (int stage = 0; stage < kDpiStages; ++stage) {
        image.page4.dpiCode[stage] =
            DpiCode(sensorType, record.dpiLevel[stage], record.dpiStageOn[stage]);
    }
    image.page4.fireMakeTime = record.fireMakeTime;
    image.page4.fireBreakTime = record.fireBreakTime;
    for (int button = 0; button < kRealButtons; ++button) {
        const int slot = *DeviceSlotOf(button);
        image.page3.buttonTable0[slot] = ButtonEntryOf(record, 0, button);
        image.page3.buttonTable1[slot] = ButtonEntryOf(record, 1, button);
    }
}

ApplyResult ApplySettings(SettingsState& state, const std::function<bool()>& writeDevice,
                          SettingsFiles& files, const KeyLabels& labels) {
    PatchDeviceImage(state.records.working, state.sensorType, state.image);
    ApplyResult result;
    result.mouseWritten = writeDevice && writeDevice();
    result.config = files.SaveConfig();
    result.labels = files.SaveLabels(labels);
    return result;
}

}  // namespace corvane
