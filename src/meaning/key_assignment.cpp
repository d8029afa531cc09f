#include "meaning/key_assignment.h"

#include "meaning/button_functions.h"
#include "meaning/choice_lists.h"

namespace corvane {
namespace {

constexpr int kShift = static_cast<int>(ButtonFunction::Shift);
constexpr int kLeftClick = static_cast<int>(ButtonFunction::LeftClick);

constexpr std::uint8_t LowByte(int value) {
    return static_cast<std::uint8_t>(value & 0xFF);
}

std::wstring NameOf(const LanguageTexts& texts, ButtonFunction function) {
    return std::wstring(texts.functionNames[static_cast<int>(function)]);
}

// "<name of the function>-<text the dialog returned>".
std::wstring JoinedLabel(const LanguageTexts& texts, ButtonFunction function,
                         const std::wstring& dialogText) {
    return NameOf(texts, function) + L"-" + dialogText;
}

// Stores the dialog's outputs of the chosen function for (layer, button) and
// sets the label; the function byte follows in the caller.
void StoreDialogOutputs(SettingsRecord& record, std::wstring& label, int layer, int button,
                        const ButtonChoice& choice, std::uint8_t sensorType,
                        const LanguageTexts& texts) {
    const ButtonFunction function = choice.function;
    const std::uint8_t index = LowByte(choice.choiceIndex);
    switch (function) {
        case ButtonFunction::WindowsFunction:
            record.windowsChoice[layer][button] = index;
            label = choice.choiceText;
            break;
        case ButtonFunction::Multimedia:
            record.mediaChoice[layer][button] = index;
            label = JoinedLabel(texts, function, choice.choiceText);
            break;
        case ButtonFunction::HotKey:
            record.hotKeyChoice[layer][button] = index;
            label = choice.choiceText;
            break;
        case ButtonFunction::FireKey:
            record.fireKeyChoice[layer][button] = index;
            record.fireKeyCode[layer][button] = FireKeyCodeOf(index);
            record.fireCount[layer][button] = LowByte(choice.fireTimes);
            record.fireMakeTime = LowByte(choice.fireMakeTime);
            record.fireBreakTime = LowByte(choice.fireBreakTime);
            label = JoinedLabel(texts, function, choice.choiceText);
            break;
        case ButtonFunction::SingleKey:
            // Where the key sits decides its code: the driver's name for a key
            // differs between systems. Without a position, its name does.
            record.singleKeyCode[layer][button] = CapturedKeyCode(choice.key, choice.choiceText);
            label = JoinedLabel(texts, function, choice.choiceText);
            break;
        case ButtonFunction::SnipeKey:
            record.snipeChoice[layer][button] = index;
            record.snipeDpiCode = SnipeDpiCodeOf(sensorType, index);
            label = JoinedLabel(texts, function, choice.choiceText);
            break;
        default:
            label = NameOf(texts, function);
            break;
    }
}

}  // namespace

KeyAssignmentResult AssignKeyFunction(SettingsRecord& record, KeyLabels& labels, int layer,
                                      int button, const ButtonChoice& choice,
                                      std::uint8_t sensorType, const LanguageTexts& texts) {
    const int function = static_cast<int>(choice.function);
    if (layer < 0 || layer >= kLayerCount || button < 0 || button >= kButtonSlots ||
        function >= kButtonFunctionCount || (layer == kShiftLayer && function == kShift)) {
        return KeyAssignmentResult::Rejected;
    }
    StoreDialogOutputs(record, labels[layer][button], layer, button, choice, sensorType, texts);
    record.buttonFunction[layer][button] = static_cast<std::uint8_t>(function);
    return KeyAssignmentResult::Stored;
}

bool CoupleShiftLayer(SettingsRecord& record, KeyLabels& labels, int button) {
    if (button < 0 || button >= kButtonSlots ||
        record.buttonFunction[kNormalLayer][button] != kShift) {
        return false;
    }
    record.buttonFunction[kShiftLayer][button] = kShift;
    labels[kShiftLayer][button] = labels[kNormalLayer][button];
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
