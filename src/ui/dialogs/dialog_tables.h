// The lists and texts of the key function dialogs, with the device code each
// choice stands for. The dialogs show these lists; the key page stores the
// chosen index and builds its labels from the same texts, and the codes are
// what the mouse receives for a choice.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

#include "settings/dpi_table.h"

namespace corvane {

// The dialogs speak Simplified Chinese on a system whose default language id
// is 2052 and English everywhere else (they have no Traditional Chinese).
enum class DialogLanguage { Chinese, English };
DialogLanguage DialogLanguageOf(std::uint16_t systemLanguageId);

struct DialogText {
    std::wstring_view chinese;
    std::wstring_view english;

    constexpr std::wstring_view In(DialogLanguage language) const {
        return language == DialogLanguage::Chinese ? chinese : english;
    }
};

// One entry of the media, Windows function or hot key list. `deviceCode` is
// the entry of the mouse's combined table the choice selects: 0-6 media keys,
// 7-15 Windows functions, 16-23 hot keys.
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

// The fire key dialog's own texts (their rectangles are in dialog_layout.h).
inline constexpr DialogText kFireTimesText{L"次数", L"Times"};
inline constexpr DialogText kFireMakeText{L"按下时间", L"Make Time"};
inline constexpr DialogText kFireBreakText{L"弹起时间", L"Break Time"};
inline constexpr DialogText kFireTimeNoteText{L"时间(数值范围5-255)", L"Time(value range 5-255)"};
// The Chinese note parts its clauses with a full-width comma.
inline constexpr DialogText kFireTimesNoteText{
    L"次数(数值范围0-127，0表示按键放开火力键结束)",
    L"Times(value range 0-127,0 indicates fire key to end when it's released)"};

// The single key dialog's prompt.
inline constexpr DialogText kSingleKeyPromptText{L"请输入一个按键", L"Please enter a key"};

}  // namespace corvane
