// The core's message kinds and captions resolved to the texts the user
// sees, handed to a message box.
#pragma once

#include <string>

#include "core/user_messages.h"
#include "ui/main/text_table.h"

namespace corvane {

// Shows one modal message box with an OK button.
class MessageBoxSink {
  public:
    virtual ~MessageBoxSink() = default;
    virtual void ShowMessageBox(const std::wstring& text, const std::wstring& caption) = 0;
};

class TextMessages final : public UserMessages {
  public:
    TextMessages(const TextTable& texts, MessageBoxSink& sink, std::wstring appTitle);

    void Show(MessageKind kind, Caption caption, std::int64_t value = 0) override;

    std::wstring TextOf(MessageKind kind, std::int64_t value) const;
    std::wstring CaptionText(Caption caption) const;

  private:
    const TextTable& texts_;
    MessageBoxSink& sink_;
    std::wstring appTitle_;
};

}  // namespace corvane
