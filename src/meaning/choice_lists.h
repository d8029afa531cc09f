// The lists the key function dialogs offer, with their texts in each language
// and the device code each choice stands for. The dialogs show these lists;
// the assignment step stores the chosen index and the labels are built from
// the same texts; corvanectl names the choices by their English texts; the
// codes are what the mouse receives for a choice.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "meaning/language_texts.h"
#include "settings/dpi_table.h"

namespace corvane {

// One entry of the media, Windows function or hot key list. `deviceCode` is
// the entry of the mouse's combined table the choice selects: 0-6 media keys,
// 7-15 Windows functions (the consumer table's entries), 16-23 hot keys.
struct ChoiceEntry {
    DialogText text;
    std::uint8_t deviceCode;
};

inline constexpr std::size_t kMediaChoiceCount = 7;
inline constexpr std::size_t kWindowsChoiceCount = 9;
inline constexpr std::size_t kHotKeyChoiceCount = 8;

std::span<const ChoiceEntry, kMediaChoiceCount> MediaChoices();
std::span<const ChoiceEntry, kWindowsChoiceCount> WindowsChoices();
std::span<const ChoiceEntry, kHotKeyChoiceCount> HotKeyChoices();

// One entry of the fire key dialog's key list: the same text in both
// languages, and the code the mouse repeats (0xF0-0xF4 its own buttons, the
// rest HID keyboard usages).
struct FireKeyEntry {
    std::wstring_view text;
    std::uint8_t code;
};

inline constexpr std::size_t kFireKeyCount = 59;
std::span<const FireKeyEntry, kFireKeyCount> FireKeys();

// The code of fire key list entry `keyIndex`; 0 outside the list.
std::uint8_t FireKeyCodeOf(int keyIndex);
// The fire key list entry of a text and of a code (codes are unique in the
// list); nothing for one the list does not hold.
std::optional<int> FireKeyOfText(std::wstring_view text);
std::optional<int> FireKeyOfCode(std::uint8_t code);

// The entry of `list` whose text in either language is `text`.
std::optional<int> ChoiceOfText(std::span<const ChoiceEntry> list, std::wstring_view text);

// The fire key's three numbers: the range each takes, and the value it has
// when none is given (the dialog's boxes start with it and fall back to it).
struct FireNumberRule {
    int minimum;
    int maximum;
    int fallback;
};
// Repeat count (0: until the button is released), make time, break time.
inline constexpr std::array<FireNumberRule, 3> kFireNumberRules = {{
    {0, 127, 1},
    {5, 255, 5},
    {5, 255, 5},
}};
inline constexpr const FireNumberRule& kFireTimesRule = kFireNumberRules[0];
inline constexpr const FireNumberRule& kFireMakeRule = kFireNumberRules[1];
inline constexpr const FireNumberRule& kFireBreakRule = kFireNumberRules[2];

// The snipe dialog lists the DPI values of the mouse's sensor type; the list
// is empty for a type the DPI table does not know.
std::span<const DpiChoice> SnipeChoicesOf(std::uint8_t sensorType);

// The snipe DPI code of (sensor type, index), always marked enabled; 0 when
// either lies outside the DPI table.
std::uint8_t SnipeDpiCodeOf(std::uint8_t sensorType, int index);

// The entry at `index` of `list`, or nullptr when `index` lies outside it.
template <class Entry, std::size_t Extent>
const Entry* EntryAt(std::span<const Entry, Extent> list, int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= list.size()) {
        return nullptr;
    }
    return &list[static_cast<std::size_t>(index)];
}

}  // namespace corvane
