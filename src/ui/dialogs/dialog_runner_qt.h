// Runs the dialog of a kind modally over the main window, with Qt: makes
// the dialog's logic and its window host, runs the dialog's event loop, and
// returns the outcome the main window reads. The flags of every dialog kind
// live in one object for the whole run.
#pragma once

#include <QPointer>
#include <QWidget>

#include <cstdint>
#include <string>

#include "core/user_messages.h"
#include "ui/dialogs/dialog_io.h"
#include "ui/dialogs/skinned_dialog.h"

namespace corvane {

class DialogRunnerQt {
  public:
    // `owner` is the main window; `skinDir` the skin folder of the interface
    // language; `versionWord` the system's version (the Chinese font).
    DialogRunnerQt(QWidget* owner, std::wstring skinDir, UserMessages& messages,
                   DialogFlagsOfRun& flags, std::uint32_t versionWord);

    DialogOutcome Run(DialogKind kind, const DialogInputs& inputs);

  private:
    QPointer<QWidget> owner_;
    std::wstring skinDir_;
    UserMessages& messages_;
    DialogFlagsOfRun& flags_;
    std::uint32_t versionWord_;
};

}  // namespace corvane
