// The window's two fonts, chosen once at start-up from the system default
// language and the Windows version word.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "core/system_facts.h"

namespace corvane {

// Width 0, no escapement, upright, no underline or strike-out, character set
// 0, default precision and quality, variable pitch in the swiss family.
struct FontSpec {
    int height;
    int weight;
    std::wstring_view face;
    friend constexpr bool operator==(const FontSpec&, const FontSpec&) = default;
};
inline constexpr unsigned kFontPitchAndFamily = 0x20;

struct WindowFonts {
    FontSpec list;  // drop-down lists and plain controls
    FontSpec page;  // texts drawn on the pages
    friend constexpr bool operator==(const WindowFonts&, const WindowFonts&) = default;
};

enum class FontCondition {
    SimplifiedChineseOnWindows62,  // 2052 and version 6.2 (Windows 8)
    SimplifiedChinese,             // 2052 on any other version
    Other,
};

struct FontRule {
    FontCondition condition;
    WindowFonts fonts;
};

inline constexpr std::array<FontRule, 3> kFontRules = {{
    {FontCondition::SimplifiedChineseOnWindows62, {{13, 400, L"黑体"}, {15, 700, L"黑体"}}},
    {FontCondition::SimplifiedChinese, {{13, 400, L"宋体"}, {15, 400, L"宋体"}}},
    {FontCondition::Other, {{16, 400, L"Tahoma"}, {18, 400, L"Tahoma"}}},
}};

constexpr FontCondition FontConditionOf(std::uint16_t languageId, std::uint32_t versionWord) {
    if (languageId != kLangSimplifiedChinese) {
        return FontCondition::Other;
    }
    return IsWindows62(versionWord) ? FontCondition::SimplifiedChineseOnWindows62
                                    : FontCondition::SimplifiedChinese;
}

constexpr WindowFonts FontsFor(std::uint16_t languageId, std::uint32_t versionWord) {
    const FontCondition condition = FontConditionOf(languageId, versionWord);
    for (const FontRule& rule : kFontRules) {
        if (rule.condition == condition) {
            return rule.fonts;
        }
    }
    return kFontRules.back().fonts;
}

}  // namespace corvane
