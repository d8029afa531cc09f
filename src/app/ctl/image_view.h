// The mouse's memory (a DeviceImage) decoded for `info`: report rate, DPI
// stages, both key layers with function names and parameters, lighting,
// fire-key times, snipe DPI, the consumer and hot-key tables; as text lines
// or as JSON.
#pragma once

#include <string>

#include "app/ctl/json_values.h"
#include "settings/settings_record.h"

namespace corvane::ctl {

std::string ImageText(const DeviceImage& image);
Json ImageJson(const DeviceImage& image);

}  // namespace corvane::ctl
