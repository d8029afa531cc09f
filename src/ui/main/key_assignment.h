// Storing one button's function: what the key page does after a choice in
// a key list and the dialog that choice opens. Free of windows and hosts, so
// that every caller stores exactly the same bytes and label: the key page
// (with the outcome of the dialog it ran) and the command-line tool's `set`
// (with an outcome it builds itself).
//
//   AssignKeyFunction(record, labels, layer, button, function, outcome,
//                     sensorType, texts)
//
// `function` is the ButtonFunction value n (the list entry chosen). For
// functions 6 to 11 `outcome` is the result of that function's dialog
// (DialogOfFunction); for the others it is not read.
//
//   n        stored in `record` for (layer, button)           label
//   0-5, 12  buttonFunction = n                               name of n
//   13       buttonFunction = 13 (layer 0 only)               name of Shift
//   6        windowsChoice = choiceIndex                      choiceText
//   7        mediaChoice = choiceIndex                        name-choiceText
//   8        hotKeyChoice = choiceIndex                       choiceText
//   9        fireKeyChoice = choiceIndex, fireKeyCode = fire   name-choiceText
//            key code of the index, fireCount = fireTimes;
//            fireMakeTime, fireBreakTime (whole mouse)
//   10       singleKeyCode = code of the key at the captured    name-choiceText
//            position (outcome.key), else of the key named
//            choiceText, else 0
//   11       snipeChoice = choiceIndex, snipeDpiCode (whole   name-choiceText
//            mouse) = DPI code of (sensorType, index, enabled)
//
// Every value from the outcome is stored as its low eight bits, and the
// function itself (buttonFunction = n) after the parameters. A dialog that
// was not accepted changes nothing at all: not the label, not the function,
// not a parameter (storing the new function with the old label and
// parameters would put a fire key with stale settings on the mouse at the
// next Save). Names come from `texts` (the language's function names).
//
// After a layer 0 assignment the key page also couples the shift layer:
// CoupleShiftLayer gives (1, button) the Shift function and label when
// (0, button) holds Shift. A caller that wants the page's full effect runs
// both.
#pragma once

#include <cstdint>
#include <optional>

#include "settings/key_labels.h"
#include "settings/settings_record.h"
#include "ui/dialogs/dialog_io.h"
#include "ui/main/text_table.h"

namespace corvane {

enum class KeyAssignmentResult {
    Stored,     // fields and label changed as the table above says
    Cancelled,  // the function needs a dialog that was not accepted: nothing changed
    Rejected,   // layer, button or function out of range (13 in layer 1 included)
};

// The dialog a function opens before it is stored; none for 0-5, 12 and 13.
std::optional<DialogKind> DialogOfFunction(int function);

KeyAssignmentResult AssignKeyFunction(SettingsRecord& record, KeyLabels& labels, int layer,
                                      int button, int function, const DialogOutcome& outcome,
                                      std::uint8_t sensorType, const TextTable& texts);

// When (0, button) holds Shift: (1, button) gets Shift and a copy of the
// label of (0, button); returns true. Otherwise nothing changes.
bool CoupleShiftLayer(SettingsRecord& record, KeyLabels& labels, int button);

// The two rules on which box may change at all, checked before a function
// list opens.
//
// The left-click rule of the normal layer's boxes: false when the layer that
// leftRuleLayer names (0 normal, 1 shift, any other value: no rule) has its
// only Left Click on `button`, among all eight buttons of that layer.
bool LeftClickRuleAllows(const SettingsRecord& record, int button);
// A button that is Shift in both layers is changed from its normal-layer box
// only: its shift-layer box takes no click.
bool ShiftLayerBoxLocked(const SettingsRecord& record, int button);

}  // namespace corvane
