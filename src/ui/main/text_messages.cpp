#include "ui/main/text_messages.h"

#include <utility>

namespace corvane {

TextMessages::TextMessages(const LanguageTexts& texts, MessageBoxSink& sink, std::wstring appTitle)
    : texts_(texts), sink_(sink), appTitle_(std::move(appTitle)) {}

void TextMessages::Show(MessageKind kind, Caption caption, std::int64_t value) {
    sink_.ShowMessageBox(TextOf(kind, value), CaptionText(caption));
}

std::wstring TextMessages::TextOf(MessageKind kind, std::int64_t value) const {
    return MessageText(texts_, kind, value);
}

std::wstring TextMessages::CaptionText(Caption caption) const {
    return corvane::CaptionText(caption, appTitle_);
}

}  // namespace corvane
