// What each button function is on the mouse and by name: the two bytes of its
// entry in the mouse's button table, built from the function and the record's
// parameter bytes (Apply's encoder) and read back from an entry (the decoder
// of a read image), and the name the command line and its JSON give it. One
// table holds all three, so an entry always reads back as what wrote it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "settings/settings_record.h"

namespace corvane {

// A button's function with the parameters its entry carries: what the mouse
// knows of a button.
struct ButtonSetting {
    ButtonFunction function = ButtonFunction::KeyOff;
    // The byte the entry's code adds: the Windows function, media key or hot
    // key choice (an index of its list) or the fire or single key's code; 0
    // for the functions that take none.
    std::uint8_t parameter = 0;
    // Fire key only: the repeat count (0: until released).
    std::uint8_t fireCount = 0;
    friend bool operator==(const ButtonSetting&, const ButtonSetting&) = default;
};

// The setting (layer, button) of `record` holds; a function byte above Shift
// holds Key Off.
ButtonSetting ButtonSettingOf(const SettingsRecord& record, int layer, int button);

// The entry of a setting: code = the function's base + parameter, class = its
// base + fireCount, both wrapping at 8 bits.
ButtonEntry EncodeButton(const ButtonSetting& setting);

// The two bytes of a button's device entry for (layer, button).
ButtonEntry ButtonEntryOf(const SettingsRecord& record, int layer, int button);

// The setting an entry holds; nothing for an entry no function gives. Where
// a parameter makes an entry equal to a function that takes none (a single
// key of code 0 and Key Off; the single keys 0xF0-0xF2 and the clicks), the
// entry reads as that function, the one the window's function list names.
std::optional<ButtonSetting> DecodeButton(ButtonEntry entry);

// The name of a function on the command line ("left-click", "fire-key"), and
// back; every name, comma-separated, for messages.
std::string_view FunctionName(ButtonFunction function);
std::optional<ButtonFunction> FunctionOfName(std::string_view name);
std::string FunctionNameList();

// The window and the command line number the buttons from 1.
inline constexpr int kFirstButtonNumber = 1;

// The layers by name: 0 "normal", 1 "shift".
inline constexpr int kNormalLayer = 0;
inline constexpr int kShiftLayer = 1;
std::optional<std::string_view> LayerName(int layer);
std::optional<int> LayerOfName(std::string_view name);

}  // namespace corvane
