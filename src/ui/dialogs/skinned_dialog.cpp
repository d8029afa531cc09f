#include "ui/dialogs/skinned_dialog.h"

#include "ui/dialogs/dialog_layout.h"

namespace corvane {

SkinnedDialog::SkinnedDialog(DialogKind kind, const DialogParts& parts, const DialogInputs& inputs)
    : SkinnedDialogFrame(LayoutOf(kind), parts.host, parts.messages, parts.flags.Of(kind),
                         DialogSystem{inputs.systemLanguageId, parts.versionWord}),
      kind_(kind) {}

DialogOutcome SkinnedDialog::Outcome() const {
    DialogOutcome outcome;
    outcome.result = result();
    outcome.function = FunctionOfDialog(kind_).value_or(outcome.function);
    outcome.choiceIndex = choiceIndex();
    outcome.choiceText = choiceText();
    return outcome;
}

}  // namespace corvane
