// `set`: one offline edit of config.bin and str.ini, made and stored as the
// window makes and saves it; with --apply also the window's Save to the
// mouse (full read, Apply, full write, both files stored). The report rate
// and lighting are set as the LED page sets them, a DPI stage as the DPI
// page does, a button as the key page and its dialogs do: with the choice
// the dialog would return, built from the arguments, stored by the same
// assignment step, behind the same left-click rule and shift-layer lock.
#include <charconv>
#include <functional>
#include <optional>

#include "app/ctl/ctl.h"
#include "app/ctl/device_session.h"
#include "app/ctl/settings_folder.h"
#include "app/ctl/settings_json.h"
#include "core/text_encoding.h"
#include "meaning/button_functions.h"
#include "meaning/choice_lists.h"
#include "meaning/key_assignment.h"
#include "meaning/led_settings.h"

namespace corvane::ctl {
namespace {

// The buttons the window has a box for.
constexpr int kButtonsWithBox = 5;

// The numbers `number` gives for the entries it takes.
template <class Range, class Number>
std::vector<unsigned> NumbersOf(const Range& entries, Number number) {
    std::vector<unsigned> numbers;
    for (const auto& entry : entries) {
        if (const std::optional<unsigned> n = number(entry)) {
            numbers.push_back(*n);
        }
    }
    return numbers;
}

std::string Joined(const std::vector<unsigned>& numbers, std::string_view separator,
                   std::string_view last) {
    std::string list;
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        list += std::string(i == 0                    ? ""
                            : i + 1 == numbers.size() ? last
                                                      : separator) +
                std::to_string(numbers[i]);
    }
    return list;
}

// What an edit changes, and what it reads its values with.
struct SetTarget {
    SettingsRecord& record;
    KeyLabels& labels;
    const LanguageTexts& texts;
    std::uint8_t sensorType;
    std::uint16_t languageId;  // the system language: dialogs' texts follow it
    SettingNames names;
};

// The index of a DPI value in the sensor's list, which only the mouse (or
// --sensor) names.
std::uint8_t DpiIndexOf(const SetTarget& t, const std::string& dpi) {
    const auto index = t.names.dpi.valueOf(dpi);
    if (!index) {
        throw BadInput("the DPI value " + dpi + " is not in the list of sensor type " +
                       std::to_string(t.sensorType) + ": " + t.names.dpi.choices +
                       " (--sensor N names another sensor type)");
    }
    return *index;
}

std::string EditRate(const SetRequest& request, SetTarget& t) {
    t.record.reportRate = ReportRateOf(request.rate);
    return "report rate " + *RateName(t.record.reportRate);
}

std::string EditDpi(const SetRequest& request, SetTarget& t) {
    const int stage = DpiStageOf(request.stage);
    t.record.dpiLevel[stage] = DpiIndexOf(t, request.dpi);
    return "DPI stage " + std::to_string(stage + 1) + " " + request.dpi;
}

std::string EditLighting(const SetRequest& request, SetTarget& t) {
    SettingsRecord& r = t.record;
    switch (LightingModeOf(request.mode)) {
        case kLightingOff:
            if (request.parameter) {
                throw BadInput("mode0 (lighting off) takes no parameter");
            }
            r.ledMode = kLightingOff;
            return "lighting mode0";
        case kLightingModeOne: {
            const int parameter = request.parameter
                                      ? NumberOf(*request.parameter, 0, 255, "the mode1 parameter")
                                      : -1;
            if (parameter < 0 || !ModeOneRowOf(static_cast<std::uint8_t>(parameter))) {
                throw BadInput("mode1 needs its parameter: " + OrList(ModeOneValues()));
            }
            r.ledMode = kLightingModeOne;
            r.ledParamA = static_cast<std::uint8_t>(parameter);
            return "lighting mode1 " + std::to_string(parameter);
        }
        default:
            break;
    }
    // Mode 2 keeps its last parameter unless one is given.
    if (request.parameter) {
        const int parameter = NumberOf(*request.parameter, 0, 255, "the mode2 parameter");
        if (!ModeTwoRowOf(static_cast<std::uint8_t>(parameter))) {
            throw BadInput("the mode2 parameter must be " + OrList(ModeTwoValues()));
        }
        r.ledParamB = static_cast<std::uint8_t>(parameter);
    }
    r.ledMode = kLightingModeTwo;
    return "lighting mode2 " + std::to_string(r.ledParamB);
}

// ------------------------------------------------------------------ buttons

const std::string& RequiredArgument(const SetRequest& r, const std::string& what) {
    if (!r.argument) {
        throw BadInput(r.function + " needs " + what);
    }
    return *r.argument;
}

// A media key, Windows function or hot key named `name`: its index, and its
// text in the dialogs' language.
ButtonChoice ListChoice(const SetRequest& r, const ByteNames& names,
                        std::span<const ChoiceEntry> entries, std::uint16_t languageId) {
    const std::string& name = RequiredArgument(r, "the name of a " + names.what);
    const auto index = names.valueOf(name);
    if (!index) {
        throw BadInput("unknown " + names.what + " \"" + name + "\"; choose one of " +
                       names.choices);
    }
    ButtonChoice choice;
    choice.choiceIndex = *index;
    choice.choiceText = std::wstring(entries[*index].text.In(DialogLanguageOf(languageId)));
    return choice;
}

int FireNumberOr(const std::optional<std::string>& text, const FireNumberRule& rule,
                 const std::string& option) {
    return text ? FireNumberOf(*text, rule, option) : rule.fallback;
}

ButtonChoice FireKeyChoice(const SetRequest& r, const SettingNames& names) {
    const std::string& key = RequiredArgument(r, "a key from the fire key list");
    const auto index = names.fireKey.valueOf(key);
    if (!index) {
        throw BadInput("unknown fire key \"" + key + "\"; choose one of " + names.fireKey.choices);
    }
    ButtonChoice choice;
    choice.choiceIndex = *index;
    choice.choiceText = std::wstring(FireKeys()[*index].text);
    choice.fireTimes = FireNumberOr(r.times, kFireTimesRule, "--times");
    choice.fireMakeTime = FireNumberOr(r.make, kFireMakeRule, "--make");
    choice.fireBreakTime = FireNumberOr(r.breakTime, kFireBreakRule, "--break");
    return choice;
}

// A single key named as the key name table names it; no key position comes
// with it, so its name gives its code.
ButtonChoice SingleKeyChoice(const SetRequest& r, const SettingNames& names) {
    const std::string& name = RequiredArgument(r, "a key name, as \"Num 5\" or \"A\"");
    if (!names.keyCode.valueOf(name)) {
        throw BadInput("unknown key name \"" + name +
                       "\" (names as the window's single key dialog gives them: \"A\", \"1\", "
                       "\"Enter\", \"F5\", \"Num 5\", \"Right Ctrl\", ...)");
    }
    ButtonChoice choice;
    choice.choiceText = FromUtf8(name);
    return choice;
}

ButtonChoice SnipeChoice(const SetRequest& r, const SetTarget& t) {
    const std::uint8_t index = DpiIndexOf(t, RequiredArgument(r, "a DPI value"));
    ButtonChoice choice;
    choice.choiceIndex = index;
    choice.choiceText = std::wstring(SnipeChoicesOf(t.sensorType)[index].text);
    return choice;
}

// The choice the function's dialog would return for the arguments.
ButtonChoice ChoiceFor(const SetRequest& r, ButtonFunction function, const SetTarget& t) {
    ButtonChoice choice;
    switch (function) {
        case ButtonFunction::WindowsFunction:
            choice = ListChoice(r, t.names.windows, WindowsChoices(), t.languageId);
            break;
        case ButtonFunction::Multimedia:
            choice = ListChoice(r, t.names.media, MediaChoices(), t.languageId);
            break;
        case ButtonFunction::HotKey:
            choice = ListChoice(r, t.names.hotKey, HotKeyChoices(), t.languageId);
            break;
        case ButtonFunction::FireKey:
            choice = FireKeyChoice(r, t.names);
            break;
        case ButtonFunction::SingleKey:
            choice = SingleKeyChoice(r, t.names);
            break;
        case ButtonFunction::SnipeKey:
            choice = SnipeChoice(r, t);
            break;
        default:
            if (r.argument) {
                throw BadInput(r.function + " takes no argument (\"" + *r.argument + "\" given)");
            }
            break;
    }
    choice.function = function;
    return choice;
}

// The two rules the key page applies before it opens a box's list.
void CheckBoxMayChange(const SetTarget& t, int layer, int button) {
    const std::string number = std::to_string(button + kFirstButtonNumber);
    if (layer == kShiftLayer && ShiftLayerBoxLocked(t.record, button)) {
        throw BadInput("button " + number +
                       " is the layer shift in both layers and is changed in the normal layer "
                       "only");
    }
    if (layer == kNormalLayer && !LeftClickRuleAllows(t.record, button)) {
        throw BadInput(ToUtf8(CaptionText(Caption::Warning, {})) + ": " +
                       ToUtf8(std::wstring(t.texts.textLeftRequired)) + " (button " + number +
                       " holds the only left-click of the " +
                       std::string(*LayerName(t.record.leftRuleLayer)) +
                       " layer; give another button left-click first)");
    }
}

std::string EditButton(const SetRequest& r, SetTarget& t) {
    const int layer = LayerOf(r.layer);
    const int button = ButtonOf(r.button);
    const ButtonFunction function = FunctionOf(r.function);
    if (layer == kShiftLayer && function == ButtonFunction::Shift) {
        throw BadInput("shift is given in the normal layer only; the shift layer's button follows");
    }
    if ((r.times || r.make || r.breakTime) && function != ButtonFunction::FireKey) {
        throw BadInput("--times, --make and --break belong to fire-key");
    }
    const ButtonChoice choice = ChoiceFor(r, function, t);
    CheckBoxMayChange(t, layer, button);
    if (AssignKeyFunction(t.record, t.labels, layer, button, choice, t.sensorType, t.texts) !=
        KeyAssignmentResult::Stored) {
        throw BadInput("the key page does not take this choice");
    }
    if (layer == kNormalLayer) {
        CoupleShiftLayer(t.record, t.labels, button);
    }
    return "button " + std::to_string(button + kFirstButtonNumber) + " of the " + r.layer +
           " layer to " + ButtonText(t.record, t.names, layer, button) + " (label \"" +
           ToUtf8(t.labels[layer][button]) + "\")";
}

std::string Edit(const SetRequest& request, SetTarget& target) {
    switch (request.what) {
        case SetRequest::What::Rate:
            return EditRate(request, target);
        case SetRequest::What::Dpi:
            return EditDpi(request, target);
        case SetRequest::What::Lighting:
            return EditLighting(request, target);
        case SetRequest::What::Button:
            break;
    }
    return EditButton(request, target);
}

}  // namespace

// ------------------------------------------------------------------- checks

int NumberOf(std::string_view text, int first, int last, const std::string& what) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    const bool digitsOnly =
        !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
    if (!digitsOnly || error != std::errc() || end != text.data() + text.size()) {
        throw BadInput(what + " \"" + std::string(text) + "\" is not a number; give " +
                       std::to_string(first) + " to " + std::to_string(last));
    }
    if (value < first || value > last) {
        throw BadInput(what + " " + std::string(text) + " is out of range; give " +
                       std::to_string(first) + " to " + std::to_string(last));
    }
    return value;
}

std::vector<unsigned> ReportRateValues() {
    return NumbersOf(ReportRates(), [](const ReportRate& r) { return std::optional(r.hz); });
}

std::vector<unsigned> ModeOneValues() {
    return NumbersOf(LightingRows(), [](const LightingRow& row) {
        return row.mode == kLightingModeOne ? std::optional<unsigned>(row.paramA) : std::nullopt;
    });
}

std::vector<unsigned> ModeTwoValues() {
    return NumbersOf(ModeTwoParameters(),
                     [](std::uint8_t p) { return std::optional<unsigned>(p); });
}

std::string OrList(const std::vector<unsigned>& values) {
    return Joined(values, ", ", " or ");
}

std::string BarList(const std::vector<unsigned>& values) {
    return Joined(values, "|", "|");
}

std::uint8_t ReportRateOf(const std::string& hz) {
    const auto rate =
        ReportRateOfHz(static_cast<unsigned>(NumberOf(hz, 0, 1000000, "the report rate")));
    if (!rate) {
        throw BadInput("the report rate " + hz + " is not one the mouse has; choose " +
                       OrList(ReportRateValues()));
    }
    return ReportRates()[static_cast<std::size_t>(*rate)].code;
}

int DpiStageOf(const std::string& stage) {
    return NumberOf(stage, 1, kDpiStages, "the DPI stage") - 1;
}

int LayerOf(const std::string& name) {
    const auto layer = LayerOfName(name);
    if (!layer) {
        throw BadInput("unknown layer \"" + name + "\"; choose normal or shift");
    }
    return *layer;
}

int ButtonOf(const std::string& number) {
    return NumberOf(number, kFirstButtonNumber, kButtonsWithBox, "the button") - kFirstButtonNumber;
}

ButtonFunction FunctionOf(const std::string& name) {
    const auto function = FunctionOfName(name);
    if (!function) {
        throw BadInput("unknown function \"" + name + "\"; choose one of " + FunctionNameList());
    }
    return *function;
}

std::uint8_t LightingModeOf(const std::string& name) {
    const auto mode = LightingModeOfName(name);
    if (!mode) {
        throw BadInput("the lighting mode \"" + name +
                       "\" is unknown; choose mode0 (off), mode1 or mode2");
    }
    return *mode;
}

int FireNumberOf(const std::string& text, const FireNumberRule& rule, const std::string& option) {
    return NumberOf(text, rule.minimum, rule.maximum, option);
}

// ---------------------------------------------------------------------- run

int RunSet(CtlContext& context, const CommonOptions& options, const SetRequest& request) {
    std::optional<DeviceSession> session;
    DeviceState offline;
    DeviceState* state = &offline;
    if (request.apply) {
        // The mouse first: its sensor decides which DPI values exist.
        session.emplace(context, options);
        session->Connect();
        session->Read();
        state = &session->state();
    } else {
        offline.sensorType = static_cast<std::uint8_t>(options.sensor);
    }

    SettingsEdit edit(context, options, *state);
    edit.LoadConfig();
    KeyLabels labels = edit.LoadLabelsAsTheWindow();
    if (state->firstRunFlag == 0) {
        edit.ApplyFirstRun(labels);
    }
    SetTarget target{state->records.working,
                     labels,
                     edit.texts(),
                     state->sensorType,
                     context.facts.DefaultLanguageId(),
                     SettingNames::For(state->sensorType)};
    const std::string what = Edit(request, target);

    std::function<bool()> writeDevice;
    if (session) {
        writeDevice = [&] { return session->Write(); };
    }
    if (!edit.Store(labels, writeDevice) && session) {
        throw Failed(
            "the settings did not reach the mouse; they are stored in config.bin and "
            "str.ini. Check its cable and run the command again");
    }
    context.out << "Set " << what << " in " << Utf8Path(edit.paths().folder)
                << (session ? ", and saved to the mouse" : "") << '\n';
    return kExitDone;
}

}  // namespace corvane::ctl
