// The main window's texts in its three languages, and the str.ini section
// that holds the key labels of each.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "settings/settings_record.h"

namespace corvane {

struct TextTable {
    // functionNames[n] is the name of ButtonFunction n (function list entry n).
    std::array<std::wstring_view, kButtonFunctionCount> functionNames;
    std::wstring_view textLeftRequired, textRate1000, textRate500, textRate250, textRate125,
        textDpiStage1, textDpiStage2, textDpiStage3, textDpiStage4, textMatrix1, textMatrix2,
        textMacro, textExit, textNotDetected, textDetected, settingsSection;
    // The mouse is there but this user may not open it (Linux, without the
    // udev rule).
    std::wstring_view textAccessRule;
};

// The table of a system default language id: 2052 Simplified Chinese, 1028
// Traditional Chinese, anything else English.
const TextTable& TextTableFor(std::uint16_t languageId);

}  // namespace corvane
