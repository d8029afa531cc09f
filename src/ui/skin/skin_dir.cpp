#include "ui/skin/skin_dir.h"

#include "core/language.h"
#include "core/module_path.h"

namespace corvane {

std::wstring SkinDir(const std::wstring& modulePath, std::uint8_t uiLanguage) {
    return BesideExecutable(
        modulePath, uiLanguage == kUiLanguageSimplifiedChinese ? kSkinFolderChs : kSkinFolderEn);
}

}  // namespace corvane
