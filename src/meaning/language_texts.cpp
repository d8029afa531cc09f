#include "meaning/language_texts.h"

#include "core/decimal_format.h"
#include "core/language.h"

namespace corvane {
namespace {

// Indexed by InterfaceLanguage.
constexpr std::array<LanguageTexts, kInterfaceLanguageCount> kLanguageTexts = {{
    {
        {L"左键", L"右键", L"中键", L"前进方向键", L"后退方向键", L"DPI切换", L"Windows", L"多媒体",
         L"快捷键", L"火力键", L"单键", L"狙击", L"按键关闭", L"Shift"},
        L"Setting-CHS",
        L"左键功能必须选择！",
        L"系统没有检测到游戏鼠标！",
        L"Corvane 无法打开鼠标：当前用户没有访问权限。请按 README 的 Linux 设置说明安装 "
        L"70-corvane.rules，然后重新插拔鼠标。",
    },
    {
        {L"左鍵", L"右鍵", L"中鍵", L"前進方向鍵", L"後退方向鍵", L"DPI切換", L"Windows", L"多媒體",
         L"快速鍵", L"火力鍵", L"單鍵", L"狙擊", L"按鍵關閉", L"Shift"},
        L"Setting-CHT",
        L"左鍵功能必須選擇！",
        L"系統沒有檢測到遊戲滑鼠！",
        L"Corvane 無法開啟滑鼠：目前使用者沒有存取權限。請依 README 的 Linux 設定說明安裝 "
        L"70-corvane.rules，然後重新插拔滑鼠。",
    },
    {
        {L"Left Click", L"Right Click", L"Mid Click", L"Forward", L"Backward", L"DPI Switch",
         L"Windows", L"Multimedia", L"HotKey", L"Fire Key", L"Single Key", L"Snipe Key", L"Key Off",
         L"Shift"},
        L"Setting-EN",
        L"Left key must be selected!",
        L"The system did not detect the gaming mouse!",
        L"Corvane cannot open the mouse: this user has no access to it. Install 70-corvane.rules "
        L"as the README's Linux set-up says, then plug the mouse in again.",
    },
}};

// A kind's text: a fixed format (with "%d" for its value) or an entry of the
// language's texts.
struct KindText {
    MessageKind kind;
    std::wstring_view format;
    std::wstring_view LanguageTexts::*languageText;
};

constexpr std::array<KindText, 10> kKindTexts = {{
    {MessageKind::NotDetected, L"", &LanguageTexts::textNotDetected},
    {MessageKind::ConfigMissing, L"Config file is not exist.", nullptr},
    {MessageKind::ConfigWriteError, L"Error Code is: %d \n", nullptr},
    {MessageKind::CreateFileError, L"CreateFile Error Code:%d", nullptr},
    {MessageKind::RegisterNotificationFailed, L"RegisterDeviceNotification failed!!!", nullptr},
    {MessageKind::LeftRequired, L"", &LanguageTexts::textLeftRequired},
    {MessageKind::LoadPngFailed, L"LoadPng---Load image failed.", nullptr},
    {MessageKind::DialogBackgroundFailed, L"error", nullptr},
    {MessageKind::HookInstallError, L"KeyboardHook_SingleDlgKey Install error code :%d\n", nullptr},
    {MessageKind::AccessRuleMissing, L"", &LanguageTexts::textAccessRule},
}};

struct CaptionName {
    Caption caption;
    std::wstring_view text;
};

// Caption::AppTitle is the application title, not a fixed text.
constexpr std::array<CaptionName, 12> kCaptionTexts = {{
    {Caption::None, L""},
    {Caption::Warning, L"Warning"},
    {Caption::ReadOperation, L"ReadOperation"},
    {Caption::WriteOperation, L"WriteOperation"},
    {Caption::NullFp, L"NULL ==fp "},
    {Caption::FireKeyDialogBackground, L"FireKey Dialog Load background image failed!!!"},
    {Caption::HotKeyDialogBackground, L"HotKey Dialog Load background image failed!!!"},
    {Caption::KeysRecoverDialogBackground, L"KeysRecover Dialog Load background image failed!!!"},
    {Caption::MediaDialogBackground, L"Media Dialog Load background image failed!!!"},
    {Caption::SingleKeyDialogBackground, L"Single Key Dialog Load background image failed!!!"},
    {Caption::SnipeDialogBackground, L"Snipe Dialog Load background image failed!!!"},
    {Caption::WindowsDialogBackground, L"Windows Dialog Load background image failed!!!"},
}};

}  // namespace

InterfaceLanguage InterfaceLanguageOf(std::uint16_t languageId) {
    if (languageId == kLangSimplifiedChinese) {
        return InterfaceLanguage::SimplifiedChinese;
    }
    if (languageId == kLangTraditionalChinese) {
        return InterfaceLanguage::TraditionalChinese;
    }
    return InterfaceLanguage::English;
}

const LanguageTexts& LanguageTextsOf(InterfaceLanguage language) {
    return kLanguageTexts[static_cast<std::size_t>(language)];
}

const LanguageTexts& LanguageTextsFor(std::uint16_t languageId) {
    return LanguageTextsOf(InterfaceLanguageOf(languageId));
}

std::wstring MessageText(const LanguageTexts& texts, MessageKind kind, std::int64_t value) {
    for (const KindText& entry : kKindTexts) {
        if (entry.kind == kind) {
            return entry.languageText != nullptr ? std::wstring(texts.*entry.languageText)
                                                 : FormatDecimals(entry.format, {value});
        }
    }
    return std::wstring();
}

std::wstring CaptionText(Caption caption, const std::wstring& appTitle) {
    if (caption == Caption::AppTitle) {
        return appTitle;
    }
    for (const auto& entry : kCaptionTexts) {
        if (entry.caption == caption) {
            return std::wstring(entry.text);
        }
    }
    return std::wstring();
}

DialogLanguage DialogLanguageOf(std::uint16_t systemLanguageId) {
    return systemLanguageId == kLangSimplifiedChinese ? DialogLanguage::Chinese
                                                      : DialogLanguage::English;
}

}  // namespace corvane
