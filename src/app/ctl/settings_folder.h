// The files corvanectl reads and writes. Whole-file reads and writes: an
// existing file is replaced in one step by the same file store the window
// saves with; a new one is written beside its place and renamed into it, so
// that no reader ever sees half a file. And config.bin and str.ini of the
// settings folder (--dir), read, and stored through the window's own
// SettingsFiles; damaged and unwritable files become exit codes.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "app/ctl/ctl.h"
#include "device/device_state.h"
#include "meaning/language_texts.h"
#include "settings/file_store.h"
#include "settings/key_labels.h"
#include "settings/settings_files.h"

namespace corvane::ctl {

std::filesystem::path FsPath(const std::wstring& path);
std::wstring WidePath(const std::filesystem::path& path);
std::string Utf8Path(const std::wstring& path);

// The system's text for an error number, with the number.
std::string SystemErrorText(std::uint32_t error);

// Throws (exit 1) with what went wrong when the file cannot be written.
void WriteWholeFile(FileStore& files, const std::wstring& path,
                    std::span<const std::uint8_t> bytes);

// The file's first `maxBytes` bytes; nullopt when it does not exist; throws
// (exit 1) when it exists but cannot be read.
std::optional<std::vector<std::uint8_t>> ReadWholeFile(FileStore& files, const std::wstring& path,
                                                       std::size_t maxBytes);

// Removes the file if it exists; throws (exit 1) when that fails.
void RemoveFile(const std::wstring& path);

// ------------------------------------------------------------ settings folder

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

    const LanguageTexts& texts() const { return texts_; }
    const SettingsFilePaths& paths() const { return files_.paths(); }

  private:
    // str.ini as `before` holds it (removed when it was missing); nothing
    // is written when it still is. False when that fails.
    bool PutBackStrIni(const std::optional<std::vector<std::uint8_t>>& before);

    CtlContext& context_;
    DeviceState& state_;
    const LanguageTexts& texts_;
    SettingsFiles files_;
};

}  // namespace corvane::ctl
