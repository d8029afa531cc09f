// The texts of the key function dialogs' lists, by which corvanectl names a
// dialog choice: the media keys, the Windows functions, the hot keys and the
// fire key's keys (with their device codes).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace corvane::ctl {

enum class ChoiceList { Media, Windows, HotKey, FireKey };

std::optional<std::string> ChoiceName(ChoiceList list, std::uint8_t index);
std::optional<std::uint8_t> ChoiceOfName(ChoiceList list, std::string_view name);
// The names of a list, comma-separated, for messages.
std::string ChoiceNameList(ChoiceList list);

// The fire key list entry of a device code, and back.
std::optional<std::string> FireKeyNameOfCode(std::uint8_t code);
std::optional<std::uint8_t> FireKeyCodeOfName(std::string_view name);

}  // namespace corvane::ctl
