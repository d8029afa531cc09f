// config.bin and str.ini of the settings folder (--dir), read and written as
// the window does it: through StoredFiles, which finds both files beside an
// executable path, here one inside the folder. Damaged and unwritable files
// become exit codes.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "app/ctl/ctl_context.h"
#include "device/app_state.h"
#include "settings/key_labels.h"
#include "settings/stored_files.h"
#include "ui/main/text_table.h"

namespace corvane::ctl {

struct SettingsPaths {
    std::wstring folder, configPath, strIniPath;
};

// The folder of --dir (or the default one) and its two files; throws (exit 2)
// for a folder the window's path rule cannot use.
SettingsPaths SettingsPathsOf(CtlContext& context, const CommonOptions& options);

// config.bin's 180 bytes; nullopt when it is missing; throws (exit 2) when it
// has another size.
std::optional<std::array<std::uint8_t, kConfigFileSize>> ReadConfigBytes(FileStore& files,
                                                                         const std::wstring& path);
// str.ini's bytes; nullopt when it is missing.
std::optional<std::vector<std::uint8_t>> ReadStrIniBytes(FileStore& files,
                                                         const std::wstring& path);

// The settings a `set` edits: the working record and the labels of the
// system language, stored again as the window's Save stores them.
class SettingsFiles {
  public:
    SettingsFiles(CtlContext& context, const CommonOptions& options, AppState& state,
                  UserMessages& messages);
    ~SettingsFiles();

    // config.bin into state.firstRunFlag and state.records.working, or the
    // factory config.bin when it is missing. Throws (exit 2) when damaged.
    void LoadConfig();
    // The sixteen labels from the language's section of str.ini, as stored.
    KeyLabels LoadLabels();
    // The labels as the window loads them: an empty one (a missing str.ini,
    // or one written in another language) becomes the label of its button's
    // stored function.
    KeyLabels LoadLabelsAsTheWindow();
    // The window's first display of the key page when config.bin is in its
    // factory state: default device tables, DPI stages on and the default
    // labels, in memory (the save stores them).
    void ApplyFirstRun(KeyLabels& labels);
    // Creates config.bin from the working record when it is missing, so that
    // the window's save, which only rewrites, finds it.
    void CreateConfigIfMissing();
    // Throws (exit 1) when str.ini does not hold `labels` afterwards.
    void CheckLabelsStored(const KeyLabels& labels);

    StoredFiles& stored() { return *stored_; }
    const TextTable& texts() const { return texts_; }
    const SettingsPaths& paths() const { return paths_; }
    bool configExisted() const { return configExisted_; }

  private:
    class FolderFacts;
    class QuietMessages;

    CtlContext& context_;
    AppState& state_;
    const TextTable& texts_;
    SettingsPaths paths_;
    std::unique_ptr<FolderFacts> facts_;
    std::unique_ptr<QuietMessages> messages_;
    std::unique_ptr<StoredFiles> stored_;
    UserMessages& console_;
    bool configExisted_ = false;
};

}  // namespace corvane::ctl
