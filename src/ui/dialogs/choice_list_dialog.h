// A dialog whose whole content is one list of named choices in the
// interface language (media keys, Windows functions, hot keys): the frame's
// drop-down list with those names, and the chosen index and name as output.
#pragma once

#include <span>

#include "ui/dialogs/skinned_dialog.h"

namespace corvane {

class ChoiceListDialog : public SkinnedDialog {
  public:
    ChoiceListDialog(DialogKind kind, const DialogParts& parts, const DialogInputs& inputs,
                     std::span<const ChoiceEntry> choices);
};

}  // namespace corvane
