// The keys recover dialog: asks whether the key assignments and the basic
// settings go back to their defaults. OK accepts, Return, the close box and
// Escape cancel; the question is part of the background of each language,
// so the dialog draws no text and has no font.
#pragma once

#include "ui/dialogs/skinned_dialog.h"

namespace corvane {

class CKeysRecoverDialog final : public SkinnedDialog {
  public:
    CKeysRecoverDialog(const DialogParts& parts, const DialogInputs& inputs);

  protected:
    bool UsesFont() const override { return false; }
    // The background already shows OK and Return in their normal looks.
    bool DrawsButtonsOnPaint() const override { return false; }
};

}  // namespace corvane
