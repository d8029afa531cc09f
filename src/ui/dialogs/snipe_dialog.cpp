#include "ui/dialogs/snipe_dialog.h"

#include <string>
#include <vector>

namespace corvane {

CSnipeDialog::CSnipeDialog(const DialogParts& parts, const DialogInputs& inputs)
    : SkinnedDialog(DialogKind::Snipe, parts, inputs) {
    std::vector<std::wstring> values;
    for (const DpiChoice& choice : SnipeChoicesOf(inputs.sensorType)) {
        values.emplace_back(choice.text);
    }
    SetListItems(std::move(values));
}

}  // namespace corvane
