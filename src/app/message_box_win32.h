// Modal message boxes with an OK button, owned by the main window.
#pragma once

#include <windows.h>

#include "ui/main/text_messages.h"

namespace corvane {

class MessageBoxSinkWin32 final : public MessageBoxSink {
  public:
    void SetOwner(HWND owner) { owner_ = owner; }
    void ShowMessageBox(const std::wstring& text, const std::wstring& caption) override {
        MessageBoxW(owner_, text.c_str(), caption.c_str(), MB_OK);
    }

  private:
    HWND owner_ = nullptr;
};

}  // namespace corvane
