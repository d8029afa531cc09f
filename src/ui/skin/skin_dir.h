// The skin folder of a language: the executable's file name in its full path
// replaced by "/Skins/CHS" (Simplified Chinese) or "/Skins/EN" (every other
// language). Image paths are the folder followed by an image name, which
// begins with "/"; the mixed separators that result are kept.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace corvane {

inline constexpr std::wstring_view kSkinFolderChs = L"/Skins/CHS";
inline constexpr std::wstring_view kSkinFolderEn = L"/Skins/EN";

std::wstring SkinDir(const std::wstring& modulePath, std::uint8_t uiLanguage);

inline std::wstring SkinImagePath(const std::wstring& skinDir, std::wstring_view imageName) {
    return skinDir + std::wstring(imageName);
}

}  // namespace corvane
