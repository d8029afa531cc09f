// The user-message seam on a console: what the window shows in a message box
// is printed to standard error as "corvanectl: CAPTION: TEXT", in the same
// words and language.
#pragma once

#include <cstdint>
#include <ostream>
#include <string>

#include "core/user_messages.h"
#include "ui/main/text_messages.h"
#include "ui/main/text_table.h"

namespace corvane::ctl {

inline constexpr char kProgramName[] = "corvanectl";

class ConsoleMessages final : public UserMessages, private MessageBoxSink {
  public:
    ConsoleMessages(std::ostream& err, const TextTable& texts);

    void Show(MessageKind kind, Caption caption, std::int64_t value = 0) override;

  private:
    void ShowMessageBox(const std::wstring& text, const std::wstring& caption) override;

    std::ostream& err_;
    TextMessages messages_;
};

}  // namespace corvane::ctl
