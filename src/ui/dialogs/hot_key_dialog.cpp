#include "ui/dialogs/hot_key_dialog.h"

namespace corvane {

CHotKeyDialog::CHotKeyDialog(const DialogParts& parts, const DialogInputs& inputs)
    : ChoiceListDialog(DialogKind::HotKey, parts, inputs, HotKeyChoices()) {}

}  // namespace corvane
