#include "ui/dialogs/media_dialog.h"

namespace corvane {

CMediaDialog::CMediaDialog(const DialogParts& parts, const DialogInputs& inputs)
    : ChoiceListDialog(DialogKind::Media, parts, inputs, MediaChoices()) {}

}  // namespace corvane
