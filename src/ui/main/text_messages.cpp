#include "ui/main/text_messages.h"

#include <array>
#include <utility>

#include "core/decimal_format.h"

namespace corvane {
namespace {

// A kind's text: a fixed format (with "%d" for its value) or an entry of the
// language's text table.
struct KindText {
    MessageKind kind;
    std::wstring_view format;
    std::wstring_view TextTable::*languageText;
};

constexpr std::array<KindText, 10> kKindTexts = {{
    {MessageKind::NotDetected, L"", &TextTable::textNotDetected},
    {MessageKind::ConfigMissing, L"Config file is not exist.", nullptr},
    {MessageKind::ConfigWriteError, L"Error Code is: %d \n", nullptr},
    {MessageKind::CreateFileError, L"CreateFile Error Code:%d", nullptr},
    {MessageKind::RegisterNotificationFailed, L"RegisterDeviceNotification failed!!!", nullptr},
    {MessageKind::LeftRequired, L"", &TextTable::textLeftRequired},
    {MessageKind::LoadPngFailed, L"LoadPng---Load image failed.", nullptr},
    {MessageKind::DialogBackgroundFailed, L"error", nullptr},
    {MessageKind::HookInstallError, L"KeyboardHook_SingleDlgKey Install error code :%d\n", nullptr},
    {MessageKind::AccessRuleMissing, L"", &TextTable::textAccessRule},
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

TextMessages::TextMessages(const TextTable& texts, MessageBoxSink& sink, std::wstring appTitle)
    : texts_(texts), sink_(sink), appTitle_(std::move(appTitle)) {}

void TextMessages::Show(MessageKind kind, Caption caption, std::int64_t value) {
    sink_.ShowMessageBox(TextOf(kind, value), CaptionText(caption));
}

std::wstring TextMessages::TextOf(MessageKind kind, std::int64_t value) const {
    for (const KindText& entry : kKindTexts) {
        if (entry.kind == kind) {
            return entry.languageText != nullptr ? std::wstring(texts_.*entry.languageText)
                                                 : FormatDecimals(entry.format, {value});
        }
    }
    return std::wstring();
}

std::wstring TextMessages::CaptionText(Caption caption) const {
    if (caption == Caption::AppTitle) {
        return appTitle_;
    }
    for (const auto& entry : kCaptionTexts) {
        if (entry.caption == caption) {
            return std::wstring(entry.text);
        }
    }
    return std::wstring();
}

}  // namespace corvane
