#include "meaning/apply.h"

#include <algorithm>

#include "meaning/button_functions.h"
#include "meaning/led_settings.h"
#include "settings/dpi_table.h"

namespace corvane {
namespace {

std::uint8_t CountOfOnes(std::span<const std::uint8_t> flags) {
    return static_cast<std::uint8_t>(std::count(flags.begin(), flags.end(), std::uint8_t{1}));
}

}  // namespace

void PatchDeviceImage(const SettingsRecord& record, std::uint8_t sensorType, DeviceImage& image) {
    image.reportRate = record.reportRate;
    image.page4.ledMode = record.ledMode;
    if (record.ledMode == kLightingModeOne) {
        image.page4.ledParam = record.ledParamA;
    } else if (record.ledMode == kLightingModeTwo) {
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
