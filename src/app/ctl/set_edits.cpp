#include "app/ctl/set_edits.h"

#include <charconv>

#include "app/ctl/ctl_errors.h"
#include "app/ctl/value_names.h"

namespace corvane::ctl {
namespace {

// The LED page's lighting rows and mode-2 parameter rows.
constexpr std::uint8_t kModeOneParameters[] = {10, 5, 1};
constexpr std::uint8_t kModeTwoParameters[] = {5, 3, 1};

template <std::size_t N>
bool Contains(const std::uint8_t (&values)[N], int value) {
    for (const std::uint8_t v : values) {
        if (v == value) {
            return true;
        }
    }
    return false;
}

}  // namespace

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

std::string EditRate(const SetRequest& request, SetTarget& target) {
    const int hz = NumberOf(request.rate, 0, 1000000, "the report rate");
    const auto code = RateCodeOfHz(static_cast<unsigned>(hz));
    if (!code) {
        throw BadInput("the report rate " + request.rate +
                       " is not one the mouse has; choose 125, 250, 500 or 1000");
    }
    target.record.reportRate = *code;
    return "report rate " + *RateName(*code);
}

std::string EditDpi(const SetRequest& request, SetTarget& target) {
    const int stage = NumberOf(request.stage, 1, kDpiStages, "the DPI stage");
    const auto index = DpiIndexOfName(target.sensorType, request.dpi);
    if (!index) {
        throw BadInput("the DPI value " + request.dpi + " is not in the list of sensor type " +
                       std::to_string(target.sensorType) + ": " + DpiNameList(target.sensorType) +
                       " (--sensor N names another sensor type)");
    }
    target.record.dpiLevel[stage - 1] = *index;
    return "DPI stage " + std::to_string(stage) + " " + request.dpi;
}

std::string EditLighting(const SetRequest& request, SetTarget& target) {
    const auto mode = LedModeOfName(request.mode);
    if (!mode) {
        throw BadInput("the lighting mode \"" + request.mode +
                       "\" is unknown; choose mode0 (off), mode1 or mode2");
    }
    SettingsRecord& r = target.record;
    if (*mode == 0) {
        if (request.parameter) {
            throw BadInput("mode0 (lighting off) takes no parameter");
        }
        r.ledMode = 0;
        return "lighting mode0";
    }
    if (*mode == 1) {
        const int parameter =
            request.parameter ? NumberOf(*request.parameter, 0, 255, "the mode1 parameter") : -1;
        if (!Contains(kModeOneParameters, parameter)) {
            throw BadInput("mode1 needs its parameter: 10, 5 or 1");
        }
        r.ledMode = 1;
        r.ledParamA = static_cast<std::uint8_t>(parameter);
        return "lighting mode1 " + std::to_string(parameter);
    }
    // Mode 2 keeps its last parameter unless one is given.
    if (request.parameter) {
        const int parameter = NumberOf(*request.parameter, 0, 255, "the mode2 parameter");
        if (!Contains(kModeTwoParameters, parameter)) {
            throw BadInput("the mode2 parameter must be 5, 3 or 1");
        }
        r.ledParamB = static_cast<std::uint8_t>(parameter);
    }
    r.ledMode = 2;
    return "lighting mode2 " + std::to_string(r.ledParamB);
}

}  // namespace corvane::ctl
