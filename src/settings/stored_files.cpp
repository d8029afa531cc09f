#include "settings/stored_files.h"

#include <algorithm>
#include <cstring>

#include "core/decimal_format.h"
#include "settings/factory_settings.h"

namespace corvane {
namespace {

// Diagnostic traces, never shown.
constexpr std::wstring_view kLoadTrace = L"Program First Run Flag:%d\nRead Size is: %d";
constexpr std::wstring_view kSaveTrace = L"Data num:%d BYTE -%d BYTE\n Struct size:%d BYTE";

}  // namespace

StoredFilePaths DeriveStoredFilePaths(const std::wstring& modulePath) {
    return StoredFilePaths{modulePath, BesideExecutable(modulePath, kConfigFileName),
                           BesideExecutable(modulePath, kStrIniFileName)};
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

StoredFiles::StoredFiles(SettingsState& state, FileStore& files, IniStore& ini, SystemFacts& facts,
                         UserMessages& messages, std::wstring settingsSection)
    : state_(state),
      files_(files),
      ini_(ini),
      facts_(facts),
      messages_(messages),
      section_(std::move(settingsSection)) {}

void StoredFiles::LoadConfig() {
    paths_ = DeriveStoredFilePaths(facts_.ExecutablePath());
    // Until a whole config.bin is read the settings are the factory ones: a
    // record of zeros would have the first Save program the mouse with
    // report rate 0 and every button a left click.
    state_.records.working = FactorySettingsRecord();
    if (!files_.Exists(paths_.configPath)) {
        messages_.Show(MessageKind::ConfigMissing, Caption::AppTitle);
        return;
    }
    std::uint32_t error = 0;
    // One byte more than the file should hold tells a longer file apart.
    const auto bytes = files_.Read(paths_.configPath, error, kConfigFileSize + 1);
    if (!bytes) {
        return;
    }
    const auto contents = ParseConfigFile(*bytes);
    if (!contents) {
        return;
    }
    state_.firstRunFlag = contents->firstRunFlag;
    state_.records.working = contents->record;
    facts_.Trace(FormatDecimals(
        kLoadTrace, {contents->firstRunFlag, static_cast<std::int64_t>(kSettingsRecordSize)}));
}

void StoredFiles::SaveConfig() {
    if (paths_.configPath.empty() || !files_.Exists(paths_.configPath)) {
        messages_.Show(MessageKind::ConfigMissing, Caption::AppTitle);
        return;
    }
    const auto bytes = ConfigFileBytes(state_.records.working);
    std::uint32_t error = 0;
    if (!files_.Replace(paths_.configPath, bytes, error)) {
        messages_.Show(MessageKind::ConfigWriteError, Caption::NullFp, error);
        return;
    }
    constexpr auto kRecordSize = static_cast<std::int64_t>(kSettingsRecordSize);
    facts_.Trace(FormatDecimals(kSaveTrace, {1, kRecordSize, kRecordSize}));
}

void StoredFiles::LoadLabels(KeyLabels& labels) {
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

void StoredFiles::SaveLabels(const KeyLabels& labels) {
    // Before LoadConfig there is no path; an empty one would make the profile
    // API write into the Windows folder.
    if (paths_.strIniPath.empty()) {
        return;
    }
    for (int layer = 0; layer < kLayerCount; ++layer) {
        for (int button = 0; button < kButtonSlots; ++button) {
            ini_.Write(paths_.strIniPath, section_, std::wstring(kLabelKeys[layer][button]),
                       labels[layer][button]);
        }
    }
}

void ApplyFirstRunDefaults(SettingsState& state, KeyLabels& labels,
                           std::span<const std::wstring_view, kButtonFunctionCount> functionNames,
                           StoredFiles& files) {
    if (state.firstRunFlag != 0) {
        return;
    }
    WriteDefaultDeviceTables(state.image);
    std::fill(std::begin(state.records.working.dpiStageOn),
              std::end(state.records.working.dpiStageOn), std::uint8_t{1});
    for (auto& layer : labels) {
        for (int button = 0; button < kButtonSlots; ++button) {
            layer[button] =
                std::wstring(functionNames[static_cast<int>(kDefaultButtonFunctions[button])]);
        }
    }
    files.SaveLabels(labels);
}

}  // namespace corvane
