// The snipe dialog: the temporary DPI of the snipe key, chosen from the DPI
// values of the sensor the mouse reported. A sensor type the DPI table does
// not know leaves the list and the choice text empty.
#pragma once

#include "ui/dialogs/skinned_dialog.h"

namespace corvane {

class CSnipeDialog final : public SkinnedDialog {
  public:
    CSnipeDialog(const DialogParts& parts, const DialogInputs& inputs);
};

}  // namespace corvane
