// Apply: the working SettingsRecord patched into the DeviceImage, the image
// written to the mouse, then both settings files rewritten.
#pragma once

#include <cstdint>
#include <functional>

#include "settings/key_labels.h"
#include "settings/save_result.h"
#include "settings/settings_files.h"
#include "settings/settings_record.h"
#include "settings/settings_state.h"

namespace corvane {

// Patches the fields the record drives, the button entries as
// meaning/button_functions.h encodes them; every other image byte keeps its
// value.
void PatchDeviceImage(const SettingsRecord& record, std::uint8_t sensorType, DeviceImage& image);

// What each step of ApplySettings did; the caller tells the user.
struct ApplyResult {
    bool mouseWritten = false;  // false also when there was no writeDevice
    SaveResult config = SaveResult::Done();
    SaveResult labels = SaveResult::Done();
};

// Patch, write the image (`writeDevice` returns whether it arrived whole and
// reports its own failure), save config.bin, save the labels; the two saves
// run whatever the write did.
ApplyResult ApplySettings(SettingsState& state, const std::function<bool()>& writeDevice,
                          SettingsFiles& files, const KeyLabels& labels);

}  // namespace corvane
