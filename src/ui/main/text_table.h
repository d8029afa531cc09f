// The main window's texts in its three languages: the texts it shares with
// corvanectl (function names, str.ini section, message texts) and its own
// tray and page texts.
#pragma once

#include <cstdint>
#include <string_view>

#include "meaning/language_texts.h"

namespace corvane {

struct TextTable : LanguageTexts {
    std::wstring_view textRate1000, textRate500, textRate250, textRate125, textDpiStage1,
        textDpiStage2, textDpiStage3, textDpiStage4, textMatrix1, textMatrix2, textMacro, textExit,
        textDetected;
};

// The table of a system default language id: 2052 Simplified Chinese, 1028
// Traditional Chinese, anything else English.
const TextTable& TextTableFor(std::uint16_t languageId);

}  // namespace corvane
