// The hot key dialog: one of the eight editing shortcuts of the mouse's hot key
// table (copy, cut, paste, ...), chosen by name.
#pragma once

#include "ui/dialogs/choice_list_dialog.h"

namespace corvane {

class CHotKeyDialog final : public ChoiceListDialog {
  public:
    CHotKeyDialog(const DialogParts& parts, const DialogInputs& inputs);
};

}  // namespace corvane
