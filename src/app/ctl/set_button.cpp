// `set button`: the key page's choice of a function for one box, with the
// dialog's outcome built from the arguments, stored by the key page's own
// assignment and coupling, behind its left-click rule and shift-layer lock.
#include "app/ctl/choice_names.h"
#include "app/ctl/ctl_errors.h"
#include "app/ctl/record_view.h"
#include "app/ctl/set_edits.h"
#include "app/ctl/value_names.h"
#include "core/text_encoding.h"
#include "meaning/choice_lists.h"
#include "meaning/key_assignment.h"

namespace corvane::ctl {
namespace {

// The buttons the window has a box for, numbered as it shows them.
constexpr int kLastButtonNumber = 5;

const std::string& RequiredArgument(const SetRequest& r, const std::string& what) {
    if (!r.argument) {
        throw BadInput(r.function + " needs " + what);
    }
    return *r.argument;
}

// The outcome of a media, Windows function or hot key dialog that chose
// `name`: its index and its text in the dialogs' language.
ButtonChoice ChoiceOutcome(const SetRequest& r, ChoiceList list,
                           std::span<const ChoiceEntry> entries, const std::string& what,
                           std::uint16_t languageId) {
    const std::string& name = RequiredArgument(r, "the name of a " + what);
    const auto index = ChoiceOfName(list, name);
    if (!index) {
        throw BadInput("unknown " + what + " \"" + name + "\"; choose one of " +
                       ChoiceNameList(list));
    }
    ButtonChoice outcome;
    outcome.choiceIndex = *index;
    outcome.choiceText = std::wstring(entries[*index].text.In(DialogLanguageOf(languageId)));
    return outcome;
}

// A fire-key number as the dialog's box takes it; the box's default when
// the option is left out.
int FireNumber(const std::optional<std::string>& text, const FireNumberRule& rule,
               const std::string& what) {
    return text ? NumberOf(*text, rule.minimum, rule.maximum, what) : rule.fallback;
}

ButtonChoice FireKeyOutcome(const SetRequest& r) {
    const std::string& key = RequiredArgument(r, "a key from the fire key list");
    const auto index = ChoiceOfName(ChoiceList::FireKey, key);
    if (!index) {
        throw BadInput("unknown fire key \"" + key + "\"; choose one of " +
                       ChoiceNameList(ChoiceList::FireKey));
    }
    ButtonChoice outcome;
    outcome.choiceIndex = *index;
    outcome.choiceText = std::wstring(FireKeys()[*index].text);
    outcome.fireTimes = FireNumber(r.times, kFireTimesRule, "--times");
    outcome.fireMakeTime = FireNumber(r.make, kFireMakeRule, "--make");
    outcome.fireBreakTime = FireNumber(r.breakTime, kFireBreakRule, "--break");
    return outcome;
}

// A single key named as the keyboard key name table names it; no key
// position comes with it, so its name gives its code.
ButtonChoice SingleKeyOutcome(const SetRequest& r) {
    const std::string& name = RequiredArgument(r, "a key name, as \"Num 5\" or \"A\"");
    if (!KeyCodeOfKeyName(name)) {
        throw BadInput("unknown key name \"" + name +
                       "\" (names as the window's single key dialog gives them: \"A\", \"1\", "
                       "\"Enter\", \"F5\", \"Num 5\", \"Right Ctrl\", ...)");
    }
    ButtonChoice outcome;
    outcome.choiceText = FromUtf8(name);
    return outcome;
}

ButtonChoice SnipeOutcome(const SetRequest& r, std::uint8_t sensorType) {
    const std::string& dpi = RequiredArgument(r, "a DPI value");
    const auto index = DpiIndexOfName(sensorType, dpi);
    if (!index) {
        throw BadInput("the DPI value " + dpi + " is not in the list of sensor type " +
                       std::to_string(sensorType) + ": " + DpiNameList(sensorType) +
                       " (--sensor N names another sensor type)");
    }
    ButtonChoice outcome;
    outcome.choiceIndex = *index;
    outcome.choiceText = std::wstring(SnipeChoicesOf(sensorType)[*index].text);
    return outcome;
}

ButtonChoice OutcomeFor(const SetRequest& r, ButtonFunction function, const SetTarget& t) {
    switch (function) {
        case ButtonFunction::WindowsFunction:
            return ChoiceOutcome(r, ChoiceList::Windows, WindowsChoices(), "Windows function",
                                 t.languageId);
        case ButtonFunction::Multimedia:
            return ChoiceOutcome(r, ChoiceList::Media, MediaChoices(), "media key", t.languageId);
        case ButtonFunction::HotKey:
            return ChoiceOutcome(r, ChoiceList::HotKey, HotKeyChoices(), "hot key", t.languageId);
        case ButtonFunction::FireKey:
            return FireKeyOutcome(r);
        case ButtonFunction::SingleKey:
            return SingleKeyOutcome(r);
        case ButtonFunction::SnipeKey:
            return SnipeOutcome(r, t.sensorType);
        default:
            if (r.argument) {
                throw BadInput(r.function + " takes no argument (\"" + *r.argument + "\" given)");
            }
            return ButtonChoice{};
    }
}

// The two rules the key page applies before it opens a box's list.
void CheckBoxMayChange(const SetTarget& t, int layer, int button) {
    if (layer == kLayerShift && ShiftLayerBoxLocked(t.record, button)) {
        throw BadInput("button " + std::to_string(button + kFirstButtonNumber) +
                       " is the layer shift in both layers and is changed in the normal layer "
                       "only");
    }
    if (layer == kLayerNormal && !LeftClickRuleAllows(t.record, button)) {
        throw BadInput("Warning: " + ToUtf8(std::wstring(t.texts.textLeftRequired)) + " (button " +
                       std::to_string(button + kFirstButtonNumber) +
                       " holds the only left-click of the " + *LayerName(t.record.leftRuleLayer) +
                       " layer; give another button left-click first)");
    }
}

}  // namespace

std::string EditButton(const SetRequest& r, SetTarget& t) {
    const auto layer = LayerOfName(r.layer);
    if (!layer) {
        throw BadInput("unknown layer \"" + r.layer + "\"; choose normal or shift");
    }
    const int button = NumberOf(r.button, kFirstButtonNumber, kLastButtonNumber, "the button") -
                       kFirstButtonNumber;
    const auto function = FunctionOfName(r.function);
    if (!function) {
        throw BadInput("unknown function \"" + r.function + "\"; choose one of " +
                       FunctionNameList());
    }
    if (*layer == kLayerShift && *function == ButtonFunction::Shift) {
        throw BadInput("shift is given in the normal layer only; the shift layer's button follows");
    }
    if ((r.times || r.make || r.breakTime) && *function != ButtonFunction::FireKey) {
        throw BadInput("--times, --make and --break belong to fire-key");
    }
    ButtonChoice outcome = OutcomeFor(r, *function, t);
    outcome.function = *function;
    CheckBoxMayChange(t, *layer, button);
    const KeyAssignmentResult result =
        AssignKeyFunction(t.record, t.labels, *layer, button, outcome, t.sensorType, t.texts);
    if (result != KeyAssignmentResult::Stored) {
        throw BadInput("the key page does not take this choice");
    }
    if (*layer == kLayerNormal) {
        CoupleShiftLayer(t.record, t.labels, button);
    }
    return "button " + std::to_string(button + kFirstButtonNumber) + " of the " + r.layer +
           " layer to " + ButtonText(t.record, t.sensorType, *layer, button) + " (label \"" +
           ToUtf8(t.labels[*layer][button]) + "\")";
}

}  // namespace corvane::ctl
