#include "ui/main/key_assignment.h"

#include "settings/dpi_table.h"
#include "ui/dialogs/dialog_tables.h"
#include "ui/main/key_positions.h"

namespace corvane {
namespace {

constexpr int kNormalLayer = 0;
constexpr int kShiftLayer = 1;
constexpr int kShift = static_cast<int>(ButtonFunction::Shift);
constexpr int kLeftClick = static_cast<int>(ButtonFunction::LeftClick);
constexpr std::uint8_t kSnipeEnabled = 1;

constexpr std::uint8_t LowByte(int value) {
    return static_cast<std::uint8_t>(value & 0xFF);
}

std::wstring NameOf(const TextTable& texts, ButtonFunction function) {
    return std::wstring(texts.functionNames[static_cast<int>(function)]);
}

// "<name of the function>-<text the dialog returned>".
std::wstring JoinedLabel(const TextTable& texts, ButtonFunction function,
                         const std::wstring& dialogText) {
    return NameOf(texts, function) + L"-" + dialogText;
}

// Stores the dialog's outputs of `function` for (layer, button) and sets the
// label; the function byte follows in the caller.
void StoreDialogOutputs(SettingsRecord& record, std::wstring& label, int layer, int button,
                        ButtonFunction function, const DialogOutcome& outcome,
                        std::uint8_t sensorType, const TextTable& texts) {
    const std::uint8_t index = LowByte(outcome.choiceIndex);
    switch (function) {
        case ButtonFunction::WindowsFunction:
            record.windowsChoice[layer][button] = index;
            label = outcome.choiceText;
            break;
        case ButtonFunction::Multimedia:
            record.mediaChoice[layer][button] = index;
            label = JoinedLabel(texts, function, outcome.choiceText);
            break;
        case ButtonFunction::HotKey:
            record.hotKeyChoice[layer][button] = index;
            label = outcome.choiceText;
            break;
        case ButtonFunction::FireKey:
            record.fireKeyChoice[layer][button] = index;
            record.fireKeyCode[layer][button] = FireKeyCodeOf(index);
            record.fireCount[layer][button] = LowByte(outcome.fireTimes);
            record.fireMakeTime = LowByte(outcome.fireMakeTime);
            record.fireBreakTime = LowByte(outcome.fireBreakTime);
            label = JoinedLabel(texts, function, outcome.choiceText);
            break;
        case ButtonFunction::SingleKey:
            // Where the key sits decides its code: the driver's name for a key
            // differs between systems. Without a position, its name does.
            record.singleKeyCode[layer][button] = CapturedKeyCode(outcome.key, outcome.choiceText);
            label = JoinedLabel(texts, function, outcome.choiceText);
            break;
        case ButtonFunction::SnipeKey:
            record.snipeChoice[layer][button] = index;
            record.snipeDpiCode = DpiCode(sensorType, index, kSnipeEnabled);
            label = JoinedLabel(texts, function, outcome.choiceText);
            break;
        default:
            label = NameOf(texts, function);
            break;
    }
}

}  // namespace

std::optional<DialogKind> DialogOfFunction(int function) {
    if (function < 0 || function >= kButtonFunctionCount) {
        return std::nullopt;
    }
    switch (static_cast<ButtonFunction>(function)) {
        case ButtonFunction::WindowsFunction:
            return DialogKind::Windows;
        case ButtonFunction::Multimedia:
            return DialogKind::Media;
        case ButtonFunction::HotKey:
            return DialogKind::HotKey;
        case ButtonFunction::FireKey:
            return DialogKind::FireKey;
        case ButtonFunction::SingleKey:
            return DialogKind::SingleKey;
        case ButtonFunction::SnipeKey:
            return DialogKind::Snipe;
        default:
            return std::nullopt;
    }
}

KeyAssignmentResult AssignKeyFunction(SettingsRecord& record, KeyLabels& labels, int layer,
                                      int button, int function, const DialogOutcome& outcome,
                                      std::uint8_t sensorType, const TextTable& texts) {
    if (layer < 0 || layer >= kLayerCount || button < 0 || button >= kButtonSlots || function < 0 ||
        function >= kButtonFunctionCount || (layer == kShiftLayer && function == kShift)) {
        return KeyAssignmentResult::Rejected;
    }
    if (DialogOfFunction(function) && outcome.result != kDialogAccepted) {
        return KeyAssignmentResult::Cancelled;
    }
    StoreDialogOutputs(record, labels[layer][button], layer, button,
                       static_cast<ButtonFunction>(function), outcome, sensorType, texts);
    record.buttonFunction[layer][button] = static_cast<std::uint8_t>(function);
    return KeyAssignmentResult::Stored;
}

bool CoupleShiftLayer(SettingsRecord& record, KeyLabels& labels, int button) {
    if (button < 0 || button >= kButtonSlots || record.buttonFunction[0][button] != kShift) {
        return false;
    }
    record.buttonFunction[kShiftLayer][button] = kShift;
    labels[kShiftLayer][button] = labels[0][button];
    return true;
}

bool LeftClickRuleAllows(const SettingsRecord& record, int button) {
    if (record.leftRuleLayer >= kLayerCount || button < 0 || button >= kButtonSlots) {
        return true;
    }
    const std::uint8_t* functions = record.buttonFunction[record.leftRuleLayer];
    if (functions[button] != kLeftClick) {
        return true;
    }
    for (int other = 0; other < kButtonSlots; ++other) {
        if (other != button && functions[other] == kLeftClick) {
            return true;
        }
    }
    return false;
}

bool ShiftLayerBoxLocked(const SettingsRecord& record, int button) {
    return button >= 0 && button < kButtonSlots &&
           record.buttonFunction[kShiftLayer][button] == kShift &&
           record.buttonFunction[kNormalLayer][button] == kShift;
}

}  // namespace corvane
