// The core's message kinds and captions resolved to the texts the user
// sees (meaning/language_texts.h), handed to a message box.
#pragma once

#include <string>

#include "core/user_messages.h"
#include "meaning/language_texts.h"

namespace corvane {

// Shows one modal message box with an OK button.
class MessageBoxSink {
  public:
    virtual ~MessageBoxSink() = default;
    virtual void ShowMessageBox(const std::wstring& text, const std::wstring& caption) = 0;
};

class TextMessages final : public UserMessages {
  public:
    TextMessages(const LanguageTexts& texts, MessageBoxSink& sink, std::wstring appTitle);

    void Show(MessageKind kind, Caption caption, std::int64_t value = 0) override;

    std::wstring TextOf(MessageKind kind, std::int64_t value) const;
    std::wstring CaptionText(Caption caption) const;

  private:
    const LanguageTexts& texts_;
    MessageBoxSink& sink_;
    std::wstring appTitle_;
};

}  // namespace corvane
