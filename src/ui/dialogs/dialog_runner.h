// Runs the dialog of a kind modally over the main window: makes the
// dialog's logic and its window host (`Host`, the platform's dialog host),
// runs the host's modal loop over `Owner` (the main window), and returns the
// outcome the main window reads. The flags of every dialog kind live in one
// object for the whole run.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <utility>

#include "core/user_messages.h"
#include "ui/dialogs/dialog_factory.h"
#include "ui/dialogs/dialog_io.h"
#include "ui/dialogs/skinned_dialog.h"

namespace corvane {

template <class Host, class Owner>
class DialogRunner {
  public:
    // `owner` is the main window; `skinDir` the skin folder of the interface
    // language; `versionWord` the system's version (the Chinese font).
    DialogRunner(Owner owner, std::wstring skinDir, UserMessages& messages, DialogFlagsOfRun& flags,
                 std::uint32_t versionWord)
        : owner_(owner),
          skinDir_(std::move(skinDir)),
          messages_(messages),
          flags_(flags),
          versionWord_(versionWord) {}

    DialogOutcome Run(DialogKind kind, const DialogInputs& inputs) {
        Host host(skinDir_, messages_);
        const std::unique_ptr<SkinnedDialog> dialog =
            MakeDialog(kind, DialogParts{host, messages_, flags_, versionWord_}, inputs);
        host.RunModal(owner_, *dialog);
        return dialog->Outcome();
    }

  private:
    Owner owner_;
    std::wstring skinDir_;
    UserMessages& messages_;
    DialogFlagsOfRun& flags_;
    std::uint32_t versionWord_;
};

}  // namespace corvane
