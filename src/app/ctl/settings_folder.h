// config.bin and str.ini of the settings folder (--dir), read, and stored
// through the window's own SettingsFiles. Damaged and unwritable files
// become exit codes.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/ctl/ctl_context.h"
#include "device/device_state.h"
#include "settings/key_labels.h"
#include "settings/settings_files.h"
#include "ui/main/text_table.h"

namespace corvane::ctl {

// The folder of --dir (or the default one) and its two files; throws (exit
// 2) when the folder does not exist.
SettingsFilePaths SettingsFolderOf(CtlContext& context, const CommonOptions& options);

// config.bin's 180 bytes; nullopt when it is missing; throws (exit 2) when it
// has another size.
std::optional<std::array<std::uint8_t, kConfigFileSize>> ReadConfigBytes(FileStore& files,
                                                                         const std::wstring& path);
// str.ini's bytes; nullopt when it is missing.
std::optional<std::vector<std::uint8_t>> ReadStrIniBytes(FileStore& files,
                                                         const std::wstring& path);

// The settings a `set` edits: the working record and the labels of the
// system language, loaded as start-up loads them and stored again as the
// window's Save stores them.
class SettingsEdit {
  public:
    SettingsEdit(CtlContext& context, const CommonOptions& options, DeviceState& state);

    // config.bin into state.firstRunFlag and state.records.working, or the
    // factory config.bin when it is missing. Throws (exit 2) when damaged.
    void LoadConfig();
    // The labels as the window loads them: an empty one (a missing str.ini,
    // or one written in another language) becomes the label of its button's
    // stored function.
    KeyLabels LoadLabelsAsTheWindow();
    // The window's first display of the key page when config.bin is in its
    // factory state: default device tables, DPI stages on and the default
    // labels, in memory (Store stores them).
    void ApplyFirstRun(KeyLabels& labels);
    // Stores the working record in config.bin (made from it first when
    // missing, as the window's Save only rewrites) and `labels` in str.ini;
    // with `writeDevice` as the window's Save does it, the image written to
    // the mouse first. Throws (exit 1) naming the file that could not be
    // written, after putting str.ini back as it was (config.bin is replaced
    // in one step, so it is either old or new). Returns whether the mouse's
    // write arrived whole (false without `writeDevice`).
    bool Store(const KeyLabels& labels, const std::function<bool()>& writeDevice);

    const TextTable& texts() const { return texts_; }
    const SettingsFilePaths& paths() const { return files_.paths(); }

  private:
    // str.ini as `before` holds it (removed when it was missing); nothing
    // is written when it still is. False when that fails.
    bool PutBackStrIni(const std::optional<std::vector<std::uint8_t>>& before);

    CtlContext& context_;
    DeviceState& state_;
    const TextTable& texts_;
    SettingsFiles files_;
};

}  // namespace corvane::ctl
