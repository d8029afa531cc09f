// config.bin and the labels of str.ini as readable lines, for `show`.
#pragma once

#include <cstdint>
#include <string>

#include "settings/key_labels.h"
#include "settings/settings_files.h"

namespace corvane::ctl {

// What a button's function and the parameter it uses read as:
// "fire-key A, 3 times", "single-key Num 5", "left-click".
std::string ButtonText(const SettingsRecord& record, std::uint8_t sensorType, int layer,
                       int button);

std::string RecordText(const ConfigFileContents& config, const KeyLabels& labels,
                       std::uint8_t sensorType);

}  // namespace corvane::ctl
