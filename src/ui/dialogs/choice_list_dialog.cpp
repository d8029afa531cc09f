#include "ui/dialogs/choice_list_dialog.h"

#include <string>
#include <vector>

namespace corvane {

ChoiceListDialog::ChoiceListDialog(DialogKind kind, const DialogParts& parts,
                                   const DialogInputs& inputs, std::span<const ChoiceEntry> choices)
    : SkinnedDialog(kind, parts, inputs) {
    std::vector<std::wstring> names;
    names.reserve(choices.size());
    for (const ChoiceEntry& choice : choices) {
        names.emplace_back(choice.text.In(language()));
    }
    SetListItems(std::move(names));
}

}  // namespace corvane
