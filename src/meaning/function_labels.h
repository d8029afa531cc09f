// Key labels rebuilt from the functions a SettingsRecord stores. The labels
// live in str.ini under the section of the interface language, so a file
// that is missing or was written in another language reads as empty labels
// while every button keeps its function; these rebuild what the key page
// would have shown for each button.
#pragma once

#include <cstdint>
#include <string>

#include "meaning/language_texts.h"
#include "settings/key_labels.h"
#include "settings/settings_record.h"

namespace corvane {

// The label of (layer, button) as the key page builds it after a choice:
// the function's name from `texts`; for a media, fire, single or snipe key
// the name, "-" and the chosen entry's text; for a Windows function or hot
// key the entry's text alone. Choice texts are in the dialogs' language of
// `systemLanguageId`, the snipe DPI's text from the list of `sensorType`. A
// choice outside its list gives the function's name alone, a function above
// Shift the name of Key Off, and (layer, button) outside the record an empty
// label.
std::wstring FunctionLabel(const SettingsRecord& record, int layer, int button,
                           const LanguageTexts& texts, std::uint16_t systemLanguageId,
                           std::uint8_t sensorType);

// Replaces each empty label of the sixteen by FunctionLabel of its button;
// labels that hold any text stay exactly as they are.
void FillEmptyLabels(KeyLabels& labels, const SettingsRecord& record, const LanguageTexts& texts,
                     std::uint16_t systemLanguageId, std::uint8_t sensorType);

}  // namespace corvane
