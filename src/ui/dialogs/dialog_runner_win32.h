// Runs the dialog of a kind modally over the main window, on Win32: makes
// the dialog's logic and its window host, runs our modal loop, and returns
// the outcome the main window reads. The flags of every dialog kind live in
// one object for the whole run.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "core/user_messages.h"
#include "ui/dialogs/dialog_io.h"
#include "ui/dialogs/skinned_dialog.h"

namespace corvane {

class DialogRunnerWin32 {
  public:
    // `owner` is the main window; `skinDir` the skin folder of the interface
    // language; `versionWord` the system's version (the Chinese font).
    DialogRunnerWin32(HWND owner, std::wstring skinDir, UserMessages& messages,
                      DialogFlagsOfRun& flags, std::uint32_t versionWord);

    DialogOutcome Run(DialogKind kind, const DialogInputs& inputs);

  private:
    HWND owner_;
    std::wstring skinDir_;
    UserMessages& messages_;
    DialogFlagsOfRun& flags_;
    std::uint32_t versionWord_;
};

}  // namespace corvane
