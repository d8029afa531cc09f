#include "app/ctl/choice_names.h"

namespace corvane::ctl {

// Until the dialogs' tables are in, choices are known by number only.
std::optional<std::string> ChoiceName(ChoiceList, std::uint8_t) {
    return std::nullopt;
}

std::optional<std::uint8_t> ChoiceOfName(ChoiceList, std::string_view) {
    return std::nullopt;
}

std::string ChoiceNameList(ChoiceList) {
    return "";
}

std::optional<std::string> FireKeyNameOfCode(std::uint8_t) {
    return std::nullopt;
}

std::optional<std::uint8_t> FireKeyCodeOfName(std::string_view) {
    return std::nullopt;
}

}  // namespace corvane::ctl
