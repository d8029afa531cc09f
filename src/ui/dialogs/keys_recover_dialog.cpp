#include "ui/dialogs/keys_recover_dialog.h"

namespace corvane {

CKeysRecoverDialog::CKeysRecoverDialog(const DialogParts& parts, const DialogInputs& inputs)
    : SkinnedDialog(DialogKind::KeysRecover, parts, inputs) {}

}  // namespace corvane
