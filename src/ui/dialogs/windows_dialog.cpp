#include "ui/dialogs/windows_dialog.h"

namespace corvane {

CWindowsDialog::CWindowsDialog(const DialogParts& parts, const DialogInputs& inputs)
    : ChoiceListDialog(DialogKind::Windows, parts, inputs, WindowsChoices()) {}

}  // namespace corvane
