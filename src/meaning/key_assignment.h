// Storing one button's function: what the key page does after a choice in a
// key list and the dialog that choice opens. Free of windows and hosts, so
// that every caller stores exactly the same bytes and label: the key page
// (with the choice its dialog returned) and corvanectl's `set` (with a choice
// it builds from its arguments).
//
//   AssignKeyFunction(record, labels, layer, button, choice, sensorType, texts)
//
// `choice.function` is the ButtonFunction n chosen (the list entry); the
// other fields are what its dialog chose, read for functions 6 to 11 only.
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
//            position (key), else of the key named
//            choiceText, else 0
//   11       snipeChoice = choiceIndex, snipeDpiCode (whole   name-choiceText
//            mouse) = DPI code of (sensorType, index, enabled)
//
// Every number of the choice is stored as its low eight bits, and the
// function itself (buttonFunction = n) after the parameters. A dialog that
// was not accepted gives no choice at all: the caller stores nothing, so no
// function is ever stored with the old label and parameters (a fire key
// with stale settings on the mouse at the next Save). Names come from
// `texts` (the language's function names).
//
// After a layer 0 assignment the key page also couples the shift layer:
// CoupleShiftLayer gives (1, button) the Shift function and label when
// (0, button) holds Shift. A caller that wants the page's full effect runs
// both.
#pragma once

#include <cstdint>
#include <string>

#include "meaning/key_positions.h"
#include "meaning/language_texts.h"
#include "settings/key_labels.h"
#include "settings/settings_record.h"

namespace corvane {

// A function chosen for a button, with what its dialog chose.
struct ButtonChoice {
    ButtonFunction function = ButtonFunction::KeyOff;
    // Windows function, media key, hot key and snipe choice; fire key index.
    int choiceIndex = 0;
    // The chosen entry's text as the dialog showed it; the fire key's key
    // text; the single key's name as the keyboard driver gives it (empty
    // when no key was pressed). The label shows it.
    std::wstring choiceText;
    // Fire key: repeat count, press time and release time.
    int fireTimes = 0;
    int fireMakeTime = 0;
    int fireBreakTime = 0;
    // Single key: where the captured key sits.
    KeyPosition key;
};

enum class KeyAssignmentResult {
    Stored,    // fields and label changed as the table above says
    Rejected,  // layer, button or function out of range (13 in layer 1 included)
};

KeyAssignmentResult AssignKeyFunction(SettingsRecord& record, KeyLabels& labels, int layer,
                                      int button, const ButtonChoice& choice,
                                      std::uint8_t sensorType, const LanguageTexts& texts);

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
