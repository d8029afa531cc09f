#include "app/ctl/settings_folder.h"

#include <limits>
#include <system_error>

#include "core/text_encoding.h"
#include "meaning/apply.h"
#include "meaning/factory_settings.h"
#include "meaning/function_labels.h"
#include "settings/user_settings_folder.h"

namespace corvane::ctl {

std::filesystem::path FsPath(const std::wstring& path) {
    if constexpr (sizeof(wchar_t) == 2) {
        return std::filesystem::path(path);
    } else {
        return std::filesystem::path(ToUtf8(path));
    }
}

std::wstring WidePath(const std::filesystem::path& path) {
    if constexpr (sizeof(wchar_t) == 2) {
        return path.wstring();
    } else {
        return FromUtf8(path.string());
    }
}

std::string Utf8Path(const std::wstring& path) {
    return ToUtf8(path);
}

std::string SystemErrorText(std::uint32_t error) {
    return "system error " + std::to_string(error) + ": " +
           std::system_category().message(static_cast<int>(error));
}

void WriteWholeFile(FileStore& files, const std::wstring& path,
                    std::span<const std::uint8_t> bytes) {
    std::uint32_t error = 0;
    if (!files.Exists(path)) {
        if (!files.Create(path, bytes, error)) {
            throw Failed("cannot write " + Utf8Path(path) + " (" + SystemErrorText(error) +
                         "); check that its folder exists and is writable");
        }
        return;
    }
    if (!files.Replace(path, bytes, error)) {
        throw Failed("cannot write " + Utf8Path(path) + " (" + SystemErrorText(error) +
                     "); check that it and its folder are writable");
    }
}

std::optional<std::vector<std::uint8_t>> ReadWholeFile(FileStore& files, const std::wstring& path,
                                                       std::size_t maxBytes) {
    if (!files.Exists(path)) {
        return std::nullopt;
    }
    std::uint32_t error = 0;
    auto bytes = files.Read(path, error, maxBytes);
    if (!bytes) {
        throw Failed("cannot read " + Utf8Path(path) + " (" + SystemErrorText(error) +
                     "); check that it is readable");
    }
    return bytes;
}

void RemoveFile(const std::wstring& path) {
    std::error_code error;
    std::filesystem::remove(FsPath(path), error);
    if (error) {
        throw Failed("cannot remove " + Utf8Path(path) + " (" + error.message() +
                     "); check that its folder is writable");
    }
}

// ------------------------------------------------------------ settings folder

SettingsFilePaths SettingsFolderOf(CtlContext& context, const CommonOptions& options) {
    const std::wstring folder = options.dir.empty() ? context.defaultDir : FromUtf8(options.dir);
    if (options.dir.empty()) {
        // The default folder is made on first use, as the window makes it;
        // a folder named with --dir must exist.
        std::uint32_t ignored = 0;
        MakeFolder(folder, ignored);
    }
    std::error_code error;
    if (!std::filesystem::is_directory(FsPath(folder), error)) {
        throw BadInput("the folder " + Utf8Path(folder) +
                       " does not exist; name an existing folder with --dir");
    }
    return SettingsFilePathsIn(folder);
}

std::optional<std::array<std::uint8_t, kConfigFileSize>> ReadConfigBytes(FileStore& files,
                                                                         const std::wstring& path) {
    // One byte more than the file should hold tells a longer file apart.
    const auto bytes = ReadWholeFile(files, path, kConfigFileSize + 1);
    if (!bytes) {
        return std::nullopt;
    }
    if (bytes->size() != kConfigFileSize) {
        throw BadInput(Utf8Path(path) + " is damaged: it has " +
                       (bytes->size() > kConfigFileSize
                            ? "more than " + std::to_string(kConfigFileSize)
                            : std::to_string(bytes->size())) +
                       " bytes instead of " + std::to_string(kConfigFileSize) +
                       ". Import a saved export into it, or remove it to start from the factory "
                       "settings");
    }
    std::array<std::uint8_t, kConfigFileSize> config{};
    std::copy(bytes->begin(), bytes->end(), config.begin());
    return config;
}

std::optional<std::vector<std::uint8_t>> ReadStrIniBytes(FileStore& files,
                                                         const std::wstring& path) {
    return ReadWholeFile(files, path, std::numeric_limits<std::size_t>::max());
}

namespace {

std::string ErrorNote(const SaveResult& result) {
    return result.status() == SaveResult::Status::Failed
               ? " (" + SystemErrorText(result.error()) + ")"
               : "";
}

}  // namespace

SettingsEdit::SettingsEdit(CtlContext& context, const CommonOptions& options, DeviceState& state)
    : context_(context),
      state_(state),
      texts_(LanguageTextsFor(context.facts.DefaultLanguageId())),
      files_(state, context.files, context.ini, context.facts,
             SettingsFolderOf(context, options).folder, std::wstring(texts_.settingsSection)) {}

void SettingsEdit::LoadConfig() {
    // A damaged one is refused before anything is loaded.
    ReadConfigBytes(context_.files, paths().configPath);
    if (files_.LoadConfig(FactorySettingsRecord()) == ConfigLoad::Missing) {
        // Its absence is no failure here: the factory config.bin stands in,
        // its first-run flag included.
        state_.firstRunFlag = FactoryConfigFile()[0];
    }
}

KeyLabels SettingsEdit::LoadLabelsAsTheWindow() {
    KeyLabels labels;
    files_.LoadLabels(labels);
    FillEmptyLabels(labels, state_.records.working, texts_, context_.facts.DefaultLanguageId(),
                    state_.sensorType);
    return labels;
}

void SettingsEdit::ApplyFirstRun(KeyLabels& labels) {
    InstallFirstRunDefaults(state_, labels, texts_);
}

bool SettingsEdit::Store(const KeyLabels& labels, const std::function<bool()>& writeDevice) {
    const auto strIniBefore = ReadStrIniBytes(context_.files, paths().strIniPath);
    if (!context_.files.Exists(paths().configPath)) {
        WriteWholeFile(context_.files, paths().configPath, ConfigFileBytes(state_.records.working));
    }
    // Without writeDevice the image is patched in memory only.
    const ApplyResult stored = ApplySettings(state_, writeDevice, files_, labels);
    if (stored.config.done() && stored.labels.done()) {
        return stored.mouseWritten;
    }
    // Also when only config.bin failed: new labels over the old functions
    // would mislead the window.
    const bool putBack = PutBackStrIni(strIniBefore);
    constexpr char kPartOfTheLabels[] =
        " could not be put back as it was either, so it may hold part of the new labels";
    if (!stored.config.done()) {
        throw Failed("config.bin in " + Utf8Path(paths().folder) + " could not be written" +
                     ErrorNote(stored.config) + "; check that it and its folder are writable" +
                     (putBack ? "" : ". str.ini" + std::string(kPartOfTheLabels)));
    }
    throw Failed("cannot write the key labels to " + Utf8Path(paths().strIniPath) +
                 ErrorNote(stored.labels) + "; check that it and its folder are writable" +
                 (putBack ? "" : ". It" + std::string(kPartOfTheLabels)));
}

bool SettingsEdit::PutBackStrIni(const std::optional<std::vector<std::uint8_t>>& before) {
    const std::wstring& path = paths().strIniPath;
    std::uint32_t error = 0;
    if (!before) {
        std::error_code removed;
        std::filesystem::remove(FsPath(path), removed);
        return !removed;
    }
    // A save whose first key failed changed nothing.
    const auto now = context_.files.Exists(path) ? context_.files.Read(path, error) : std::nullopt;
    if (now == before) {
        return true;
    }
    return context_.files.Replace(path, *before, error);
}

}  // namespace corvane::ctl
