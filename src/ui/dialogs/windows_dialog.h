// The Windows function dialog: one of the nine launch and browser functions
// of the mouse's consumer table (player, mail, calculator, browser back, ...).
#pragma once

#include "ui/dialogs/choice_list_dialog.h"

namespace corvane {

class CWindowsDialog final : public ChoiceListDialog {
  public:
    CWindowsDialog(const DialogParts& parts, const DialogInputs& inputs);
};

}  // namespace corvane
