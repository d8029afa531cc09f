// The dialog of each kind, made from what the main window hands over.
#pragma once

#include <memory>

#include "ui/dialogs/skinned_dialog.h"

namespace corvane {

std::unique_ptr<SkinnedDialog> MakeDialog(DialogKind kind, const DialogParts& parts,
                                          const DialogInputs& inputs);

}  // namespace corvane
