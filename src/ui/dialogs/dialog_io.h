// What the main window hands a key function dialog and what it gets back.
// The main window runs a dialog through its host (MainWindowHost::RunDialog);
// the dialog logic fills a DialogOutcome, whose fields the caller reads only
// when `result` is kDialogAccepted.
#pragma once

#include <cstdint>
#include <string>

#include "ui/skin/dialog_result.h"

namespace corvane {

// The modal dialogs, in the order of the dialog layout table.
enum class DialogKind { FireKey, HotKey, KeysRecover, Media, SingleKey, Snipe, Windows };
inline constexpr int kDialogKindCount = 7;

struct DialogInputs {
    std::uint8_t sensorType = 0;         // picks the snipe dialog's DPI list
    std::uint16_t systemLanguageId = 0;  // 2052 shows Chinese texts, anything else English
};

// The position of a key on the keyboard, as the key message reports it.
struct KeyPosition {
    std::uint16_t scanCode = 0;  // 0: no key was captured
    bool extended = false;
};

struct DialogOutcome {
    int result = kDialogCancelled;
    // Windows function, media key, hot key and snipe choice; fire key index.
    int choiceIndex = 0;
    // The chosen entry's text; the fire key's key text; the single key's name
    // as the keyboard driver gives it (empty when no key was pressed).
    std::wstring choiceText;
    // Fire key: repeat count, press time and release time. The caller keeps
    // the low eight bits of each.
    int fireTimes = 0;
    int fireMakeTime = 0;
    int fireBreakTime = 0;
    // Single key: where the captured key sits.
    KeyPosition key;
};

}  // namespace corvane
