// The edits of `set`, each as the window's page makes it: the report rate
// and lighting as the LED page stores them, a DPI stage as the DPI page
// does, a button as the key page and its dialogs do. Each checks its input
// first and throws BadInput (exit 2) without changing anything.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "app/ctl/commands.h"
#include "settings/key_labels.h"
#include "settings/settings_record.h"
#include "ui/main/text_table.h"

namespace corvane::ctl {

struct SetTarget {
    SettingsRecord& record;
    KeyLabels& labels;
    const TextTable& texts;
    std::uint8_t sensorType;
    std::uint16_t languageId;  // the system language: dialogs' texts follow it
};

// Each returns what was set, in words.
std::string EditRate(const SetRequest& request, SetTarget& target);
std::string EditDpi(const SetRequest& request, SetTarget& target);
std::string EditLighting(const SetRequest& request, SetTarget& target);
std::string EditButton(const SetRequest& request, SetTarget& target);

// A decimal number from `first` to `last`; throws BadInput naming `what`.
int NumberOf(std::string_view text, int first, int last, const std::string& what);

}  // namespace corvane::ctl
