#include "ui/dialogs/dialog_io.h"

#include "core/table_lookup.h"

namespace corvane {
namespace {

struct FunctionDialog {
    ButtonFunction function;
    DialogKind kind;
};
constexpr FunctionDialog kFunctionDialogs[] = {
    {ButtonFunction::WindowsFunction, DialogKind::Windows},
    {ButtonFunction::Multimedia, DialogKind::Media},
    {ButtonFunction::HotKey, DialogKind::HotKey},
    {ButtonFunction::FireKey, DialogKind::FireKey},
    {ButtonFunction::SingleKey, DialogKind::SingleKey},
    {ButtonFunction::SnipeKey, DialogKind::Snipe},
};

}  // namespace

std::optional<DialogKind> DialogOfFunction(int function) {
    const auto at = IndexWhere(kFunctionDialogs, [function](const FunctionDialog& entry) {
        return static_cast<int>(entry.function) == function;
    });
    return at ? std::optional(kFunctionDialogs[*at].kind) : std::nullopt;
}

std::optional<ButtonFunction> FunctionOfDialog(DialogKind kind) {
    const auto at = IndexWhere(kFunctionDialogs,
                               [kind](const FunctionDialog& entry) { return entry.kind == kind; });
    return at ? std::optional(kFunctionDialogs[*at].function) : std::nullopt;
}

}  // namespace corvane
