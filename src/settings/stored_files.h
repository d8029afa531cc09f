// config.bin (first-run flag + SettingsRecord) and str.ini (key labels),
// both found beside the executable by replacing its file name.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "core/module_path.h"
#include "core/system_facts.h"
#include "core/user_messages.h"
#include "settings/file_store.h"
#include "settings/ini_store.h"
#include "settings/key_labels.h"
#include "settings/settings_state.h"

namespace corvane {

inline constexpr std::wstring_view kConfigFileName = L"config.bin";
inline constexpr std::wstring_view kStrIniFileName = L"str.ini";
inline constexpr std::size_t kConfigFileSize = 1 + kSettingsRecordSize;  // 180
inline constexpr std::uint8_t kWrittenByTool = 1;

struct StoredFilePaths {
    std::wstring modulePath, configPath, strIniPath;
};

// The stored-file paths of an executable path: every "Corvane1.0.exe" in it
// replaced by the file name (an executable of another name finds nothing).
StoredFilePaths DeriveStoredFilePaths(const std::wstring& modulePath);

// The 180 bytes of config.bin and back.
std::array<std::uint8_t, kConfigFileSize> ConfigFileBytes(const SettingsRecord& record);
struct ConfigFileContents {
    std::uint8_t firstRunFlag;
    SettingsRecord record;
};
// Only a file of exactly 180 bytes has contents; any other size has none.
std::optional<ConfigFileContents> ParseConfigFile(std::span<const std::uint8_t> bytes);

class StoredFiles {
  public:
    StoredFiles(SettingsState& state, FileStore& files, IniStore& ini, SystemFacts& facts,
                UserMessages& messages, std::wstring settingsSection);

    // Derives the paths from the executable path, then loads config.bin into
    // firstRunFlag and the working record. A missing ("Config file is not
    // exist."), unreadable or wrong-sized file leaves the factory record and
    // firstRunFlag as they were.
    void LoadConfig();
    // Rewrites config.bin (never creates it) from the working record.
    void SaveConfig();
    void LoadLabels(KeyLabels& labels);
    void SaveLabels(const KeyLabels& labels);
    const StoredFilePaths& paths() const { return paths_; }

  private:
    SettingsState& state_;
    FileStore& files_;
    IniStore& ini_;
    SystemFacts& facts_;
    UserMessages& messages_;
    std::wstring section_;
    StoredFilePaths paths_;
};

// First-run handling: acts only when state.firstRunFlag is 0. Installs the
// default device tables, enables the three DPI stages, sets the sixteen
// labels to the default functions' names and stores them. The button
// functions stay as they are. functionNames[n] is the name of ButtonFunction n.
void ApplyFirstRunDefaults(SettingsState& state, KeyLabels& labels,
                           std::span<const std::wstring_view, kButtonFunctionCount> functionNames,
                           StoredFiles& files);

}  // namespace corvane
