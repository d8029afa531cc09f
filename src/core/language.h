// Language identifiers: the system's (Windows language ids) and the
// interface language the program picks from it once at start.
#pragma once

#include <cstdint>

namespace corvane {

inline constexpr std::uint16_t kLangSimplifiedChinese = 2052;
inline constexpr std::uint16_t kLangTraditionalChinese = 1028;
inline constexpr std::uint16_t kLangEnglishUs = 1033;

// The interface language: Simplified Chinese only on a 2052 system.
inline constexpr std::uint8_t kUiLanguageSimplifiedChinese = 1;
inline constexpr std::uint8_t kUiLanguageOther = 2;

}  // namespace corvane
