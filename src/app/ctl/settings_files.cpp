#include "app/ctl/settings_files.h"

#include <filesystem>
#include <system_error>

#include "app/ctl/ctl_errors.h"
#include "app/ctl/file_output.h"
#include "core/text_encoding.h"
#include "settings/factory_settings.h"
#include "ui/main/function_labels.h"

namespace corvane::ctl {

// The platform's facts, but with the executable inside the settings folder.
class SettingsFiles::FolderFacts final : public SystemFacts {
  public:
    FolderFacts(SystemFacts& platform, std::wstring executablePath)
        : platform_(platform), executablePath_(std::move(executablePath)) {}
    std::uint16_t DefaultLanguageId() override { return platform_.DefaultLanguageId(); }
    std::uint32_t VersionWord() override { return platform_.VersionWord(); }
    std::wstring ExecutablePath() override { return executablePath_; }
    void Sleep(unsigned milliseconds) override { platform_.Sleep(milliseconds); }
    void Trace(const std::wstring& text) override { platform_.Trace(text); }

  private:
    SystemFacts& platform_;
    std::wstring executablePath_;
};

// The console, except while config.bin is loaded: its absence is no
// failure here (the factory settings stand in), so its box is not shown.
class SettingsFiles::QuietMessages final : public UserMessages {
  public:
    explicit QuietMessages(UserMessages& console) : console_(console) {}
    void Show(MessageKind kind, Caption caption, std::int64_t value) override {
        if (!quiet) {
            console_.Show(kind, caption, value);
        }
    }
    bool quiet = false;

  private:
    UserMessages& console_;
};

namespace {

// Takes every write and keeps nothing: first-run handling stores the labels
// at once, which here waits for the save.
class DiscardingIniStore final : public IniStore {
  public:
    std::wstring Read(const std::wstring&, const std::wstring&, const std::wstring&,
                      const std::wstring& fallback, std::size_t) override {
        return fallback;
    }
    bool Write(const std::wstring&, const std::wstring&, const std::wstring&,
               const std::wstring&) override {
        return true;
    }
};

std::wstring InFolder(const std::wstring& folder, std::wstring_view name) {
    return WidePath(FsPath(folder) / FsPath(std::wstring(name)));
}

}  // namespace

SettingsPaths SettingsPathsOf(CtlContext& context, const CommonOptions& options) {
    SettingsPaths paths;
    paths.folder = options.dir.empty() ? context.defaultDir : FromUtf8(options.dir);
    std::error_code error;
    if (!std::filesystem::is_directory(FsPath(paths.folder), error)) {
        throw BadInput("the folder " + Utf8Path(paths.folder) +
                       " does not exist; name an existing folder with --dir");
    }
    const StoredFilePaths derived = DeriveStoredFilePaths(InFolder(paths.folder, kExecutableName));
    paths.configPath = InFolder(paths.folder, kConfigFileName);
    paths.strIniPath = InFolder(paths.folder, kStrIniFileName);
    // The window replaces every "Corvane1.0.exe" in its path; a folder whose
    // name holds it would send the files elsewhere.
    if (derived.configPath != paths.configPath || derived.strIniPath != paths.strIniPath) {
        throw BadInput("the folder " + Utf8Path(paths.folder) + " has \"" +
                       ToUtf8(std::wstring(kExecutableName)) +
                       "\" in its path, which the program's file rule cannot take; use another "
                       "folder");
    }
    return paths;
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

SettingsFiles::SettingsFiles(CtlContext& context, const CommonOptions& options, AppState& state,
                             UserMessages& messages)
    : context_(context),
      state_(state),
      texts_(TextTableFor(context.facts.DefaultLanguageId())),
      paths_(SettingsPathsOf(context, options)),
      facts_(
          std::make_unique<FolderFacts>(context.facts, InFolder(paths_.folder, kExecutableName))),
      messages_(std::make_unique<QuietMessages>(messages)),
      stored_(std::make_unique<StoredFiles>(state, context.files, context.ini, *facts_, *messages_,
                                            std::wstring(texts_.settingsSection))),
      console_(messages) {}

SettingsFiles::~SettingsFiles() = default;

void SettingsFiles::LoadConfig() {
    configExisted_ = ReadConfigBytes(context_.files, paths_.configPath).has_value();
    messages_->quiet = true;
    stored_->LoadConfig();
    messages_->quiet = false;
    if (!configExisted_) {
        const auto factory = FactoryConfigFile();
        state_.firstRunFlag = factory[0];
        state_.records.working = FactorySettingsRecord();
    }
}

KeyLabels SettingsFiles::LoadLabels() {
    KeyLabels labels;
    stored_->LoadLabels(labels);
    return labels;
}

KeyLabels SettingsFiles::LoadLabelsAsTheWindow() {
    KeyLabels labels = LoadLabels();
    FillEmptyLabels(labels, state_.records.working, texts_, context_.facts.DefaultLanguageId(),
                    state_.sensorType);
    return labels;
}

void SettingsFiles::ApplyFirstRun(KeyLabels& labels) {
    DiscardingIniStore discard;
    StoredFiles inMemory(state_, context_.files, discard, *facts_, console_,
                         std::wstring(texts_.settingsSection));
    ApplyFirstRunDefaults(state_, labels, texts_.functionNames, inMemory);
}

void SettingsFiles::CreateConfigIfMissing() {
    if (!context_.files.Exists(paths_.configPath)) {
        WriteWholeFile(context_.files, paths_.configPath, ConfigFileBytes(state_.records.working));
    }
}

void SettingsFiles::CheckLabelsStored(const KeyLabels& labels) {
    if (LoadLabels() != labels) {
        throw Failed("cannot write the key labels to " + Utf8Path(paths_.strIniPath) +
                     "; check that it and its folder are writable");
    }
}

}  // namespace corvane::ctl
