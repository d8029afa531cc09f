// The names of every kind of settings byte, as the JSON and the readable
// listings use them, for one sensor type (DPI texts depend on it).
#pragma once

#include <array>
#include <cstdint>

#include "app/ctl/json_values.h"
#include "settings/settings_record.h"

namespace corvane::ctl {

// What a per-button byte holds.
enum class ButtonValueKind {
    Function,  // ButtonFunction
    Media,     // media dialog choice
    Windows,   // Windows function dialog choice
    HotKey,    // hot key dialog choice
    KeyCode,   // keyboard key name table
    Dpi,       // index of the sensor's DPI list
    FireKey,   // fire key dialog list index
    FireCode,  // device code of a fire key list entry
    Number,    // a plain number
};

struct ButtonField {
    const char* name;
    LayerButtonBytes SettingsRecord::*member;
    ButtonValueKind kind;
};

// The per-button arrays of the SettingsRecord, in record order.
inline constexpr std::array<ButtonField, 9> kButtonFields = {{
    {"buttonFunction", &SettingsRecord::buttonFunction, ButtonValueKind::Function},
    {"mediaChoice", &SettingsRecord::mediaChoice, ButtonValueKind::Media},
    {"windowsChoice", &SettingsRecord::windowsChoice, ButtonValueKind::Windows},
    {"hotKeyChoice", &SettingsRecord::hotKeyChoice, ButtonValueKind::HotKey},
    {"singleKeyCode", &SettingsRecord::singleKeyCode, ButtonValueKind::KeyCode},
    {"snipeChoice", &SettingsRecord::snipeChoice, ButtonValueKind::Dpi},
    {"fireKeyChoice", &SettingsRecord::fireKeyChoice, ButtonValueKind::FireKey},
    {"fireKeyCode", &SettingsRecord::fireKeyCode, ButtonValueKind::FireCode},
    {"fireCount", &SettingsRecord::fireCount, ButtonValueKind::Number},
}};

struct SettingNames {
    ByteNames function, rate, ledMode, layer, dpi, keyCode, media, windows, hotKey, fireKey,
        fireCode, number;

    static SettingNames For(std::uint8_t sensorType);
    const ByteNames& Of(ButtonValueKind kind) const;
};

}  // namespace corvane::ctl
