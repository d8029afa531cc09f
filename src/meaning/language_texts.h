// The texts both the window and corvanectl speak, in the interface language
// the system's default language id picks: the function names, the str.ini
// section that keeps the key labels of that language, and the texts of the
// messages the core reports (MessageKind and Caption). The window's own page
// and tray texts build on these (ui/main/text_table.h).
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/user_messages.h"
#include "settings/settings_record.h"

namespace corvane {

// 2052 Simplified Chinese, 1028 Traditional Chinese, anything else English.
// A table of each language's texts is indexed by it.
enum class InterfaceLanguage { SimplifiedChinese, TraditionalChinese, English };
inline constexpr std::size_t kInterfaceLanguageCount = 3;
InterfaceLanguage InterfaceLanguageOf(std::uint16_t languageId);

struct LanguageTexts {
    // functionNames[n] is the name of ButtonFunction n (function list entry n).
    std::array<std::wstring_view, kButtonFunctionCount> functionNames;
    std::wstring_view settingsSection;
    // The texts of MessageKind::LeftRequired, NotDetected and
    // AccessRuleMissing.
    std::wstring_view textLeftRequired, textNotDetected, textAccessRule;
};

const LanguageTexts& LanguageTextsOf(InterfaceLanguage language);
const LanguageTexts& LanguageTextsFor(std::uint16_t languageId);

// The text of a message of `kind`, with `value` where it has a number ("%d").
std::wstring MessageText(const LanguageTexts& texts, MessageKind kind, std::int64_t value);
// The text of `caption`; Caption::AppTitle is `appTitle`.
std::wstring CaptionText(Caption caption, const std::wstring& appTitle);

// The key function dialogs and their lists speak Simplified Chinese on a
// system whose default language id is 2052 and English everywhere else (they
// have no Traditional Chinese).
enum class DialogLanguage { Chinese, English };
DialogLanguage DialogLanguageOf(std::uint16_t systemLanguageId);

struct DialogText {
    std::wstring_view chinese;
    std::wstring_view english;

    constexpr std::wstring_view In(DialogLanguage language) const {
        return language == DialogLanguage::Chinese ? chinese : english;
    }
};

}  // namespace corvane
