#include "ui/dialogs/dialog_io.h"

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
    for (const FunctionDialog& entry : kFunctionDialogs) {
        if (static_cast<int>(entry.function) == function) {
            return entry.kind;
        }
    }
    return std::nullopt;
}

std::optional<ButtonFunction> FunctionOfDialog(DialogKind kind) {
    for (const FunctionDialog& entry : kFunctionDialogs) {
        if (entry.kind == kind) {
            return entry.function;
        }
    }
    return std::nullopt;
}

}  // namespace corvane
