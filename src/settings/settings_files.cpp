#include "settings/settings_files.h"

#include <algorithm>
#include <cstring>
#include <filesystem>

#include "core/decimal_format.h"

namespace corvane {
namespace {

// Diagnostic traces, never shown.
constexpr std::wstring_view kLoadTrace = L"Program First Run Flag:%d\nRead Size is: %d";
constexpr std::wstring_view kSaveTrace = L"Data num:%d BYTE -%d BYTE\n Struct size:%d BYTE";

}  // namespace

SettingsFilePaths SettingsFilePathsIn(const std::wstring& folder) {
    if (folder.empty()) {
        return SettingsFilePaths{};
    }
    std::wstring prefix = folder;
    if (prefix.back() != L'/' && prefix.back() != L'\\') {
        prefix += static_cast<wchar_t>(std::filesystem::path::preferred_separator);
    }
    return SettingsFilePaths{folder, prefix + std::wstring(kConfigFileName),
                             prefix + std::wstring(kStrIniFileName)};
}

std::array<std::uint8_t, kConfigFileSize> ConfigFileBytes(const SettingsRecord& record) {
    std::array<std::uint8_t, kConfigFileSize> bytes{};
    bytes[0] = kWrittenByTool;
    const auto recordBytes = record.bytes();
    std::copy(recordBytes.begin(), recordBytes.end(), bytes.begin() + 1);
    return bytes;
}

std::optional<ConfigFileContents> ParseConfigFile(std::span<const std::uint8_t> bytes) {
    if (bytes.size() != kConfigFileSize) {
        return std::nullopt;
    }
    ConfigFileContents contents{bytes[0], SettingsRecord{}};
    std::copy(bytes.begin() + 1, bytes.end(), contents.record.bytes().begin());
    return contents;
}

SettingsFiles::SettingsFiles(SettingsState& state, FileStore& files, IniStore& ini,
                             SystemFacts& facts, const std::wstring& folder,
                             std::wstring settingsSection)
    : state_(state),
      files_(files),
      ini_(ini),
      facts_(facts),
      section_(std::move(settingsSection)),
      paths_(SettingsFilePathsIn(folder)) {}

ConfigLoad SettingsFiles::LoadConfig(const SettingsRecord& startFrom) {
    // Until a whole config.bin is read the settings are the ones to start
    // from: a record of zeros would have the first Save program the mouse
    // with report rate 0 and every button a left click.
    state_.records.working = startFrom;
    if (paths_.configPath.empty() || !files_.Exists(paths_.configPath)) {
        return ConfigLoad::Missing;
    }
    std::uint32_t error = 0;
    // One byte more than the file should hold tells a longer file apart.
    const auto bytes = files_.Read(paths_.configPath, error, kConfigFileSize + 1);
    if (!bytes) {
        return ConfigLoad::Ignored;
    }
    const auto contents = ParseConfigFile(*bytes);
    if (!contents) {
        return ConfigLoad::Ignored;
    }
    state_.firstRunFlag = contents->firstRunFlag;
    state_.records.working = contents->record;
    facts_.Trace(FormatDecimals(
        kLoadTrace, {contents->firstRunFlag, static_cast<std::int64_t>(kSettingsRecordSize)}));
    return ConfigLoad::Loaded;
}

SaveResult SettingsFiles::SaveConfig() {
    if (paths_.configPath.empty() || !files_.Exists(paths_.configPath)) {
        return SaveResult::Missing();
    }
    const auto bytes = ConfigFileBytes(state_.records.working);
    std::uint32_t error = 0;
    if (!files_.Replace(paths_.configPath, bytes, error)) {
        return SaveResult::Failed(error);
    }
    constexpr auto kRecordSize = static_cast<std::int64_t>(kSettingsRecordSize);
    facts_.Trace(FormatDecimals(kSaveTrace, {1, kRecordSize, kRecordSize}));
    return SaveResult::Done();
}

SaveResult SettingsFiles::CreateMissingConfig(
    std::span<const std::uint8_t, kConfigFileSize> bytes) {
    if (paths_.configPath.empty()) {
        return SaveResult::Missing();
    }
    if (files_.Exists(paths_.configPath)) {
        return SaveResult::Done();
    }
    std::uint32_t error = 0;
    return files_.Create(paths_.configPath, bytes, error) ? SaveResult::Done()
                                                          : SaveResult::Failed(error);
}

void SettingsFiles::LoadLabels(KeyLabels& labels) {
    for (int layer = 0; layer < kLayerCount; ++layer) {
        for (int button = 0; button < kButtonSlots; ++button) {
            labels[layer][button] =
                paths_.strIniPath.empty()
                    ? std::wstring()
                    : ini_.Read(paths_.strIniPath, section_,
                                std::wstring(kLabelKeys[layer][button]), L"", kLabelCapacity);
        }
    }
}

SaveResult SettingsFiles::SaveLabels(const KeyLabels& labels) {
    if (paths_.strIniPath.empty()) {
        return SaveResult::Missing();
    }
    for (int layer = 0; layer < kLayerCount; ++layer) {
        for (int button = 0; button < kButtonSlots; ++button) {
            const SaveResult written =
                ini_.Write(paths_.strIniPath, section_, std::wstring(kLabelKeys[layer][button]),
                           labels[layer][button]);
            if (!written.done()) {
                return written;
            }
        }
    }
    return SaveResult::Done();
}

void ShowSaveResult(UserMessages& messages, const SaveResult& result) {
    switch (result.status()) {
        case SaveResult::Status::Done:
            break;
        case SaveResult::Status::Missing:
            messages.Show(MessageKind::ConfigMissing, Caption::AppTitle);
            break;
        case SaveResult::Status::Failed:
            messages.Show(MessageKind::ConfigWriteError, Caption::NullFp, result.error());
            break;
    }
}

}  // namespace corvane
