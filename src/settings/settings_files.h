// The settings files: config.bin (first-run flag + SettingsRecord) and
// str.ini (key labels), both in the settings folder the program's main
// hands in.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "core/system_facts.h"
#include "core/user_messages.h"
#include "settings/file_store.h"
#include "settings/ini_store.h"
#include "settings/key_labels.h"
#include "settings/save_result.h"
#include "settings/settings_state.h"

namespace corvane {

inline constexpr std::wstring_view kConfigFileName = L"config.bin";
inline constexpr std::wstring_view kStrIniFileName = L"str.ini";
inline constexpr std::size_t kConfigFileSize = 1 + kSettingsRecordSize;  // 180
inline constexpr std::uint8_t kWrittenByTool = 1;

struct SettingsFilePaths {
    std::wstring folder, configPath, strIniPath;
};

// The two files inside `folder`, joined with the platform's separator only
// when the folder does not already end in '/' or '\'. An empty folder names
// no files (empty paths): a bare "str.ini" would make the profile API write
// into the Windows folder.
SettingsFilePaths SettingsFilePathsIn(const std::wstring& folder);

// The 180 bytes of config.bin and back.
std::array<std::uint8_t, kConfigFileSize> ConfigFileBytes(const SettingsRecord& record);
struct ConfigFileContents {
    std::uint8_t firstRunFlag;
    SettingsRecord record;
};
// Only a file of exactly 180 bytes has contents; any other size has none.
std::optional<ConfigFileContents> ParseConfigFile(std::span<const std::uint8_t> bytes);

enum class ConfigLoad {
    Loaded,   // firstRunFlag and the working record are the file's
    Missing,  // no config.bin: the caller tells the user ("Config file is not exist.")
    Ignored,  // unreadable or not 180 bytes: silently not used
};

class SettingsFiles {
  public:
    // `facts` only receives the diagnostic traces.
    SettingsFiles(SettingsState& state, FileStore& files, IniStore& ini, SystemFacts& facts,
                  const std::wstring& folder, std::wstring settingsSection);

    // Loads config.bin into firstRunFlag and the working record. Unless it
    // is Loaded, the working record is `startFrom` (the caller's factory
    // settings) and firstRunFlag stays as it was.
    ConfigLoad LoadConfig(const SettingsRecord& startFrom);
    // Rewrites config.bin from the working record in one step; Missing when
    // it does not exist (it is never created).
    SaveResult SaveConfig();
    // Creates config.bin holding `bytes` when it is missing (a program that
    // keeps its settings in a folder of the user's, where no distribution
    // put one); Done when it exists already, Missing when there is no
    // folder, Failed with the system error when it cannot be created.
    SaveResult CreateMissingConfig(std::span<const std::uint8_t, kConfigFileSize> bytes);
    void LoadLabels(KeyLabels& labels);
    // Writes the sixteen labels in key order and stops at the first that
    // fails, returning its error; the keys before it are written. Missing
    // when there is no folder.
    SaveResult SaveLabels(const KeyLabels& labels);
    const SettingsFilePaths& paths() const { return paths_; }

  private:
    SettingsState& state_;
    FileStore& files_;
    IniStore& ini_;
    SystemFacts& facts_;
    std::wstring section_;
    SettingsFilePaths paths_;
};

// How the window tells the user about a save of either file: nothing when
// Done, "Config file is not exist." (application title) when Missing, and
// "Error Code is: %d \n" with the error under "NULL ==fp " when Failed.
void ShowSaveResult(UserMessages& messages, const SaveResult& result);

}  // namespace corvane
