// The media key dialog: one of the seven multimedia keys of the mouse's
// consumer table (next, previous, stop, play\/pause, mute, volume up and down).
#pragma once

#include "ui/dialogs/choice_list_dialog.h"

namespace corvane {

class CMediaDialog final : public ChoiceListDialog {
  public:
    CMediaDialog(const DialogParts& parts, const DialogInputs& inputs);
};

}  // namespace corvane
