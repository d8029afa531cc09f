// What the main window hands a key function dialog and what it gets back.
// The main window runs a dialog through its host (MainWindowHost::RunDialog);
// the dialog logic fills a DialogOutcome: how the dialog closed and the
// choice it made for its function, which the caller reads only when `result`
// is kDialogAccepted and hands to the assignment step as it is.
#pragma once

#include <cstdint>
#include <optional>

#include "meaning/key_assignment.h"
#include "ui/skin/dialog_result.h"

namespace corvane {

// The modal dialogs, in the order of the dialog layout table.
enum class DialogKind { FireKey, HotKey, KeysRecover, Media, SingleKey, Snipe, Windows };
inline constexpr int kDialogKindCount = 7;

// The dialog a function opens before it is stored; none for 0-5, 12 and 13
// (and any value outside the functions).
std::optional<DialogKind> DialogOfFunction(int function);
// The function whose choice a dialog makes; none for the keys recover dialog.
std::optional<ButtonFunction> FunctionOfDialog(DialogKind kind);

struct DialogInputs {
    std::uint8_t sensorType = 0;         // picks the snipe dialog's DPI list
    std::uint16_t systemLanguageId = 0;  // 2052 shows Chinese texts, anything else English
};

struct DialogOutcome : ButtonChoice {
    int result = kDialogCancelled;
};

}  // namespace corvane
