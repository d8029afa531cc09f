#include "ui/dialogs/dialog_runner_qt.h"

#include <memory>

#include "ui/dialogs/dialog_factory.h"
#include "ui/skin/dialog_host_qt.h"

namespace corvane {

DialogRunnerQt::DialogRunnerQt(QWidget* owner, std::wstring skinDir, UserMessages& messages,
                               DialogFlagsOfRun& flags, std::uint32_t versionWord)
    : owner_(owner),
      skinDir_(std::move(skinDir)),
      messages_(messages),
      flags_(flags),
      versionWord_(versionWord) {}

DialogOutcome DialogRunnerQt::Run(DialogKind kind, const DialogInputs& inputs) {
    DialogHostQt host(skinDir_, messages_);
    const std::unique_ptr<SkinnedDialog> dialog =
        MakeDialog(kind, DialogParts{host, messages_, flags_, versionWord_}, inputs);
    host.RunModal(owner_, *dialog);
    return dialog->Outcome();
}

}  // namespace corvane
