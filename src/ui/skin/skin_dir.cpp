#include "ui/skin/skin_dir.h"

#include "app/app_state.h"
#include "settings/stored_files.h"

namespace corvane {

std::wstring SkinDir(const std::wstring& modulePath, std::uint8_t uiLanguage) {
    return ReplaceAll(modulePath, kExecutableName,
                      uiLanguage == kUiLanguageSimplifiedChinese ? kSkinFolderChs : kSkinFolderEn);
}

}  // namespace corvane
