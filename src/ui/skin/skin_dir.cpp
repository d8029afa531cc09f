#include "ui/skin/skin_dir.h"

#include "core/language.h"

namespace corvane {

std::wstring SkinDir(const std::wstring& skinFolder, std::uint8_t uiLanguage) {
    return skinFolder + std::wstring(uiLanguage == kUiLanguageSimplifiedChinese ? kSkinLanguageChs
                                                                                : kSkinLanguageEn);
}

}  // namespace corvane
