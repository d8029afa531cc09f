// Apply: the working SettingsRecord patched into the DeviceImage, the image
// written to the mouse, then both stored files rewritten.
#pragma once

#include <cstdint>
#include <functional>

#include "settings/key_labels.h"
#include "settings/settings_record.h"
#include "settings/settings_state.h"
#include "settings/stored_files.h"

namespace corvane {

// The two bytes of a button's device entry for (layer, button).
ButtonEntry ButtonEntryOf(const SettingsRecord& record, int layer, int button);

// Patches the fields the record drives; every other image byte keeps its value.
void PatchDeviceImage(const SettingsRecord& record, std::uint8_t sensorType, DeviceImage& image);

// Patch, write the image, save config.bin, save the labels; the two saves run
// whatever the write did.
void ApplySettings(SettingsState& state, const std::function<void()>& writeDevice,
                   StoredFiles& files, const KeyLabels& labels);

}  // namespace corvane
