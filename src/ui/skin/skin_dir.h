// The skin folder of a language: the program's skin folder followed by
// "/CHS" (Simplified Chinese) or "/EN" (every other language). Image paths
// are the folder followed by an image name, which begins with "/"; the
// mixed separators that result on Windows are kept.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace corvane {

inline constexpr std::wstring_view kSkinLanguageChs = L"/CHS";
inline constexpr std::wstring_view kSkinLanguageEn = L"/EN";

std::wstring SkinDir(const std::wstring& skinFolder, std::uint8_t uiLanguage);

inline std::wstring SkinImagePath(const std::wstring& skinDir, std::wstring_view imageName) {
    return skinDir + std::wstring(imageName);
}

}  // namespace corvane
