// config.bin and str.ini as readable JSON and back: every SettingsRecord
// field by its name with a readable value (function names, DPI texts, Hz, key
// names), every other byte as its number, and every str.ini section with its
// keys and values in file order, so that an export imported again gives the
// same bytes. The import checks every value and refuses the whole document
// at the first bad one.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "settings/settings_files.h"

namespace corvane::ctl {

inline constexpr char kSettingsFormat[] = "corvane-settings";
inline constexpr int kSettingsFormatVersion = 1;

struct SettingsFilesBytes {
    std::array<std::uint8_t, kConfigFileSize> config{};
    std::optional<std::vector<std::uint8_t>> strIni;  // nullopt: there is no str.ini
    friend bool operator==(const SettingsFilesBytes&, const SettingsFilesBytes&) = default;
};

struct ImportedSettings {
    SettingsFilesBytes files;
    std::uint8_t sensorType = 0;
};

// The JSON document, indented, ending in a line break. `sensorType` (0-3)
// chooses the DPI list whose texts name the DPI indexes; it is recorded in
// the document.
std::string SettingsToJson(const SettingsFilesBytes& files, std::uint8_t sensorType);

// Throws BadInput naming the first bad value. str.ini comes back in the form
// the program writes it (UTF-16LE with a byte-order mark, CR LF lines).
ImportedSettings SettingsFromJson(std::string_view text);

}  // namespace corvane::ctl
