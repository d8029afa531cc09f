#include "app/ctl/console_messages.h"

#include "core/text_encoding.h"

namespace corvane::ctl {
namespace {

// Some fixed texts end in a line break meant for a box; a console line has its own.
std::wstring WithoutTrailingBlanks(std::wstring text) {
    while (!text.empty() && (text.back() == L'\n' || text.back() == L'\r' || text.back() == L' ')) {
        text.pop_back();
    }
    return text;
}

}  // namespace

ConsoleMessages::ConsoleMessages(std::ostream& err, const TextTable& texts)
    : err_(err), messages_(texts, *this, FromUtf8(kProgramName)) {}

void ConsoleMessages::Show(MessageKind kind, Caption caption, std::int64_t value) {
    messages_.Show(kind, caption, value);
}

void ConsoleMessages::ShowMessageBox(const std::wstring& text, const std::wstring& caption) {
    err_ << kProgramName << ": ";
    if (!caption.empty() && caption != FromUtf8(kProgramName)) {
        err_ << ToUtf8(caption) << ": ";
    }
    err_ << ToUtf8(WithoutTrailingBlanks(text)) << '\n';
}

}  // namespace corvane::ctl
