#include "settings/settings_files.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <numeric>

#include "core/language.h"
#include "core/module_path.h"
#include "meaning/factory_settings.h"
#include "meaning/language_texts.h"
#include "support/fake_file_store.h"
#include "support/fake_ini_store.h"
#include "support/fake_system_facts.h"
#include "support/fake_user_messages.h"

namespace corvane {
namespace {

using testing::FakeFileStore;
using testing::FakeIniStore;
using testing::FakeSystemFacts;
using testing::FakeUserMessages;
using testing::ShownMessage;

constexpr wchar_t kConfig[] = L"C:\\Tools\\config.bin";
constexpr wchar_t kStrIni[] = L"C:\\Tools\\str.ini";
constexpr wchar_t kFolder[] = L"C:\\Tools\\";
constexpr auto kSeparator = static_cast<wchar_t>(std::filesystem::path::preferred_separator);

TEST(SettingsFilePathsTest, TheProgramsFolderGivesTheSamePathsAsItsFileNameReplaced) {
    const std::wstring module = L"C:\\Tools\\Corvane1.0.exe";
    const auto paths = SettingsFilePathsIn(ExecutableFolder(module));
    EXPECT_EQ(paths.folder, L"C:\\Tools\\");
    EXPECT_EQ(paths.configPath, BesideExecutable(module, kConfigFileName));
    EXPECT_EQ(paths.strIniPath, BesideExecutable(module, kStrIniFileName));
    EXPECT_EQ(paths.configPath, L"C:\\Tools\\config.bin");
}

TEST(SettingsFilePathsTest, EveryOccurrenceOfTheExecutableNameIsReplaced) {
    EXPECT_EQ(ExecutableFolder(L"C:\\Corvane1.0.exe\\bin\\Corvane1.0.exe"), L"C:\\\\bin\\");
}

TEST(SettingsFilePathsTest, ARenamedExecutableKeepsItsOwnPath) {
    EXPECT_EQ(ExecutableFolder(L"C:\\Tools\\corvane1.0.exe"), L"C:\\Tools\\corvane1.0.exe");
    // ... a folder that holds no settings, where the program finds none.
    EXPECT_EQ(SettingsFilePathsIn(L"C:\\Tools\\corvane1.0.exe").configPath,
              L"C:\\Tools\\corvane1.0.exe" + std::wstring(1, kSeparator) + L"config.bin");
}

TEST(SettingsFilePathsTest, ASeparatorIsAddedOnlyWhereTheFolderHasNone) {
    EXPECT_EQ(SettingsFilePathsIn(L"/home/u/").strIniPath, L"/home/u/str.ini");
    EXPECT_EQ(SettingsFilePathsIn(L"C:\\x\\").strIniPath, L"C:\\x\\str.ini");
    EXPECT_EQ(SettingsFilePathsIn(L"C:/x/").configPath, L"C:/x/config.bin");
    EXPECT_EQ(SettingsFilePathsIn(L"dir").configPath,
              L"dir" + std::wstring(1, kSeparator) + L"config.bin");
    // No folder names no file: a bare name would send the profile API to
    // the Windows folder.
    const auto none = SettingsFilePathsIn(L"");
    EXPECT_EQ(none.configPath, L"");
    EXPECT_EQ(none.strIniPath, L"");
}

TEST(SettingsFilePathsTest, ReplaceAllDoesNotRescanTheReplacement) {
    EXPECT_EQ(ReplaceAll(L"aXa", L"a", L"aa"), L"aaXaa");
    EXPECT_EQ(ReplaceAll(L"abc", L"", L"zz"), L"abc");
}

bool IsFactoryRecord(const SettingsRecord& record) {
    const SettingsRecord factory = FactorySettingsRecord();
    return std::equal(record.bytes().begin(), record.bytes().end(), factory.bytes().begin());
}

class SettingsFilesTest : public ::testing::Test {
  protected:
    SettingsFiles MakeFiles(std::wstring section = L"Setting-EN", std::wstring folder = kFolder) {
        return SettingsFiles(state, files, ini, facts, folder, std::move(section));
    }
    std::vector<std::uint8_t> ConfigWith(std::uint8_t flag, std::size_t size = kConfigFileSize) {
        std::vector<std::uint8_t> bytes(size);
        std::iota(bytes.begin(), bytes.end(), std::uint8_t{0});
        if (!bytes.empty()) {
            bytes[0] = flag;
        }
        return bytes;
    }
    // The boxes the window shows for `result`.
    std::vector<ShownMessage> BoxesOf(const SaveResult& result) {
        messages.shown.clear();
        ShowSaveResult(messages, result);
        return messages.shown;
    }

    SettingsState state;
    FakeFileStore files;
    FakeIniStore ini;
    FakeSystemFacts facts;
    FakeUserMessages messages;
};

TEST_F(SettingsFilesTest, MissingConfigIsReportedAndStartsFromTheFactorySettings) {
    auto stored = MakeFiles();
    EXPECT_EQ(stored.LoadConfig(FactorySettingsRecord()), ConfigLoad::Missing);
    EXPECT_EQ(state.firstRunFlag, 0);
    EXPECT_TRUE(IsFactoryRecord(state.records.working));
    EXPECT_EQ(stored.paths().configPath, kConfig);
    EXPECT_EQ(stored.paths().strIniPath, kStrIni);
}

TEST_F(SettingsFilesTest, A180ByteConfigLoadsFlagAndRecordAndTraces) {
    files.files[kConfig] = ConfigWith(7);
    auto stored = MakeFiles();
    EXPECT_EQ(stored.LoadConfig(FactorySettingsRecord()), ConfigLoad::Loaded);
    EXPECT_EQ(state.firstRunFlag, 7);
    for (std::size_t i = 0; i < kSettingsRecordSize; ++i) {
        ASSERT_EQ(state.records.working.bytes()[i], static_cast<std::uint8_t>(i + 1)) << i;
    }
    EXPECT_EQ(facts.traces,
              std::vector<std::wstring>{L"Program First Run Flag:7\nRead Size is: 179"});
    // A longer file is told apart without reading all of it.
    EXPECT_EQ(files.readLimits, std::vector<std::size_t>{kConfigFileSize + 1});
}

TEST_F(SettingsFilesTest, ConfigOfAnyOtherSizeIsIgnoredSilentlyForTheFactorySettings) {
    for (const std::size_t size : {0u, 1u, 179u, 181u, 4096u}) {
        SettingsState fresh;
        state = fresh;
        files.files[kConfig] = ConfigWith(1, size);
        auto stored = MakeFiles();
        EXPECT_EQ(stored.LoadConfig(FactorySettingsRecord()), ConfigLoad::Ignored) << size;
        EXPECT_EQ(state.firstRunFlag, 0) << size;
        EXPECT_TRUE(IsFactoryRecord(state.records.working)) << size;
    }
}

TEST_F(SettingsFilesTest, UnreadableConfigIsIgnoredSilentlyForTheFactorySettings) {
    files.files[kConfig] = ConfigWith(1);
    files.readError = 32;
    auto stored = MakeFiles();
    EXPECT_EQ(stored.LoadConfig(FactorySettingsRecord()), ConfigLoad::Ignored);
    EXPECT_EQ(state.firstRunFlag, 0);
    EXPECT_TRUE(IsFactoryRecord(state.records.working));
}

TEST_F(SettingsFilesTest, A180ByteConfigIsLoadedAsItIsEvenAllZero) {
    files.files[kConfig] = std::vector<std::uint8_t>(kConfigFileSize, 0);
    auto stored = MakeFiles();
    EXPECT_EQ(stored.LoadConfig(FactorySettingsRecord()), ConfigLoad::Loaded);
    EXPECT_EQ(state.records.working.reportRate, 0);
    EXPECT_EQ(state.records.working.buttonFunction[0][1], 0);
}

TEST_F(SettingsFilesTest, SaveWritesExactly180BytesStartingWithOne) {
    files.files[kConfig] = ConfigWith(0);
    auto stored = MakeFiles();
    stored.LoadConfig(FactorySettingsRecord());
    state.records.working.reportRate = 8;
    const SaveResult saved = stored.SaveConfig();
    EXPECT_EQ(saved, SaveResult::Done());
    EXPECT_TRUE(BoxesOf(saved).empty());
    const auto& bytes = files.files[kConfig];
    ASSERT_EQ(bytes.size(), kConfigFileSize);
    EXPECT_EQ(bytes[0], 1);
    EXPECT_EQ(bytes[1 + offsetof(SettingsRecord, reportRate)], 8);
    EXPECT_EQ(facts.traces.back(), L"Data num:1 BYTE -179 BYTE\n Struct size:179 BYTE");
    EXPECT_EQ(state.firstRunFlag, 0) << "the flag in memory changes only by loading";
}

TEST_F(SettingsFilesTest, ConfigRoundTripsEveryByte) {
    files.files[kConfig] = ConfigWith(1);
    auto stored = MakeFiles();
    stored.LoadConfig(FactorySettingsRecord());
    for (std::size_t i = 0; i < kSettingsRecordSize; ++i) {
        state.records.working.bytes()[i] = static_cast<std::uint8_t>(0xFF - i);
    }
    const SettingsRecord saved = state.records.working;
    stored.SaveConfig();
    state = SettingsState{};
    stored.LoadConfig(FactorySettingsRecord());
    EXPECT_EQ(state.firstRunFlag, 1);
    EXPECT_TRUE(std::equal(saved.bytes().begin(), saved.bytes().end(),
                           state.records.working.bytes().begin()));
}

TEST_F(SettingsFilesTest, SaveNeverCreatesConfig) {
    auto stored = MakeFiles();
    stored.LoadConfig(FactorySettingsRecord());
    const SaveResult saved = stored.SaveConfig();
    EXPECT_EQ(saved, SaveResult::Missing());
    EXPECT_EQ(BoxesOf(saved),
              (std::vector<ShownMessage>{{MessageKind::ConfigMissing, Caption::AppTitle, 0}}));
    EXPECT_EQ(files.replaceCalls, 0);
    EXPECT_TRUE(files.files.empty());
}

// The Linux program's start in a new settings folder: the factory file is
// made once, then loaded as any other; an existing file, even a damaged
// one, is never touched, and a folder that takes no file says why.
TEST_F(SettingsFilesTest, AMissingConfigIsCreatedFromTheGivenBytesAndLoadsLikeAnyOther) {
    auto stored = MakeFiles();
    const auto factory = FactoryConfigFile();
    EXPECT_EQ(stored.CreateMissingConfig(factory), SaveResult::Done());
    EXPECT_EQ(files.files[kConfig], std::vector<std::uint8_t>(factory.begin(), factory.end()));
    state.firstRunFlag = 1;
    EXPECT_EQ(stored.LoadConfig(FactorySettingsRecord()), ConfigLoad::Loaded);
    EXPECT_EQ(state.firstRunFlag, 0);
    EXPECT_TRUE(IsFactoryRecord(state.records.working));

    files.files[kConfig] = ConfigWith(1, 7);
    EXPECT_EQ(stored.CreateMissingConfig(factory), SaveResult::Done());
    EXPECT_EQ(files.files[kConfig], ConfigWith(1, 7));

    files.files.clear();
    files.createError = 13;
    const SaveResult refused = stored.CreateMissingConfig(factory);
    EXPECT_EQ(refused, SaveResult::Failed(13));
    EXPECT_EQ(BoxesOf(refused),
              (std::vector<ShownMessage>{{MessageKind::ConfigWriteError, Caption::NullFp, 13}}));
    EXPECT_TRUE(files.files.empty());
    EXPECT_EQ(MakeFiles(L"Setting-EN", L"").CreateMissingConfig(factory), SaveResult::Missing());
}

TEST_F(SettingsFilesTest, NoFolderNamesNoFileAndStoresNothing) {
    auto stored = MakeFiles(L"Setting-EN", L"");
    EXPECT_EQ(stored.LoadConfig(FactorySettingsRecord()), ConfigLoad::Missing);
    EXPECT_EQ(stored.SaveConfig(), SaveResult::Missing());
    EXPECT_EQ(stored.SaveLabels(KeyLabels{}), SaveResult::Missing());
    EXPECT_EQ(files.replaceCalls, 0);
    EXPECT_TRUE(ini.writes.empty());
}

TEST_F(SettingsFilesTest, FailedReplaceShowsTheSystemErrorUnderNullFp) {
    files.files[kConfig] = ConfigWith(1);
    auto stored = MakeFiles();
    stored.LoadConfig(FactorySettingsRecord());
    files.replaceError = 5;
    const auto tracesBefore = facts.traces.size();
    const SaveResult saved = stored.SaveConfig();
    EXPECT_EQ(saved, SaveResult::Failed(5));
    EXPECT_EQ(BoxesOf(saved),
              (std::vector<ShownMessage>{{MessageKind::ConfigWriteError, Caption::NullFp, 5}}));
    EXPECT_EQ(facts.traces.size(), tracesBefore);
}

TEST_F(SettingsFilesTest, WriteFailingHalfwayLeavesTheOldConfigByteForByte) {
    files.files[kConfig] = ConfigWith(1);
    const auto before = files.files[kConfig];
    auto stored = MakeFiles();
    stored.LoadConfig(FactorySettingsRecord());
    state.records.working.ledMode = 2;
    files.halfwayError = 112;  // disk full
    const SaveResult saved = stored.SaveConfig();
    EXPECT_EQ(files.files[kConfig], before);
    EXPECT_EQ(files.abandonedTemporary.size(), kConfigFileSize / 2);
    EXPECT_EQ(BoxesOf(saved),
              (std::vector<ShownMessage>{{MessageKind::ConfigWriteError, Caption::NullFp, 112}}));
}

TEST_F(SettingsFilesTest, LabelsAreWrittenInKeyOrderUnderTheLanguageSection) {
    files.files[kConfig] = ConfigWith(1);
    auto stored = MakeFiles(L"Setting-CHT");
    stored.LoadConfig(FactorySettingsRecord());
    KeyLabels labels;
    for (int layer = 0; layer < kLayerCount; ++layer) {
        for (int button = 0; button < kButtonSlots; ++button) {
            labels[layer][button] = L"L" + std::to_wstring(layer) + std::to_wstring(button);
        }
    }
    EXPECT_EQ(stored.SaveLabels(labels), SaveResult::Done());
    std::vector<std::wstring> keys;
    for (const auto& [path, section, key] : ini.writes) {
        EXPECT_EQ(path, kStrIni);
        EXPECT_EQ(section, L"Setting-CHT");
        keys.push_back(key);
    }
    EXPECT_EQ(keys,
              (std::vector<std::wstring>{L"Item1", L"Item2", L"Item3", L"Item4", L"Item5", L"Item6",
                                         L"Item7", L"Item8", L"Item13", L"Item23", L"Item33",
                                         L"Item43", L"Item53", L"Item63", L"Item73", L"Item83"}));
    EXPECT_EQ(ini.Value(kStrIni, L"Setting-CHT", L"Item53"), L"L14");

    KeyLabels loaded;
    stored.LoadLabels(loaded);
    EXPECT_EQ(loaded, labels);
}

// A str.ini that cannot be written was lost in silence; now the first key
// that fails ends the save with its error, for the caller to show once.
TEST_F(SettingsFilesTest, SavingLabelsStopsAtTheFirstKeyThatFailsWithItsError) {
    for (const int k : {1, 2, 9, 16}) {
        SCOPED_TRACE(k);
        ini = FakeIniStore{};
        ini.failFromWrite = k;
        ini.failError = 32;  // sharing violation
        auto stored = MakeFiles();
        const SaveResult saved = stored.SaveLabels(KeyLabels{});
        EXPECT_EQ(saved, SaveResult::Failed(32));
        EXPECT_EQ(ini.attempts, k) << "no key after the failing one is tried";
        EXPECT_EQ(ini.writes.size(), static_cast<std::size_t>(k - 1));
        EXPECT_EQ(
            BoxesOf(saved),
            (std::vector<ShownMessage>{{MessageKind::ConfigWriteError, Caption::NullFp, 32}}));
    }
}

TEST_F(SettingsFilesTest, LabelsOfAnotherLanguageAreNotSeen) {
    files.files[kConfig] = ConfigWith(1);
    ini.values[{kStrIni, L"Setting-EN", L"Item1"}] = L"Left Click";
    auto stored = MakeFiles(L"Setting-CHT");
    stored.LoadConfig(FactorySettingsRecord());
    KeyLabels labels;
    labels[0][0] = L"stale";
    stored.LoadLabels(labels);
    EXPECT_EQ(labels[0][0], L"");
}

TEST_F(SettingsFilesTest, LongLabelsAreCutToTheBuffer) {
    files.files[kConfig] = ConfigWith(1);
    ini.values[{kStrIni, L"Setting-EN", L"Item83"}] = std::wstring(5000, L'x');
    auto stored = MakeFiles();
    stored.LoadConfig(FactorySettingsRecord());
    KeyLabels labels;
    stored.LoadLabels(labels);
    EXPECT_EQ(labels[1][7].size(), kLabelCapacity - 1);
}

class FirstRunTest : public SettingsFilesTest {
  protected:
    void SetUp() override { files.files[kConfig] = ConfigWith(0); }
    const LanguageTexts& english = LanguageTextsFor(kLangEnglishUs);
};

TEST_F(FirstRunTest, InstallsTablesStagesAndLabelsButKeepsFunctions) {
    auto stored = MakeFiles();
    stored.LoadConfig(FactorySettingsRecord());
    const SettingsRecord loaded = state.records.working;
    KeyLabels labels;
    EXPECT_EQ(ApplyFirstRunDefaults(state, labels, english, stored), SaveResult::Done());

    EXPECT_EQ(FromLeU16(state.image.page4.consumerTable[0]), 0x00B5);
    EXPECT_EQ(FromLeU16(state.image.page4.consumerTable[15]), 0x0227);
    EXPECT_EQ(state.image.page5.hotKeyTable[7], (HotKeyEntry{0xE0, 0x1D}));
    EXPECT_THAT(state.records.working.dpiStageOn, ::testing::ElementsAre(1, 1, 1));
    EXPECT_TRUE(std::equal(std::begin(loaded.buttonFunction[0]), std::end(loaded.buttonFunction[1]),
                           std::begin(state.records.working.buttonFunction[0])));
    const std::array<std::wstring, kButtonSlots> expected = {
        L"Left Click", L"Right Click", L"Mid Click", L"Snipe Key",
        L"DPI Switch", L"Key Off",     L"Key Off",   L"Key Off"};
    EXPECT_EQ(labels[0], expected);
    EXPECT_EQ(labels[1], expected);
    EXPECT_EQ(ini.writes.size(), 16u);
    EXPECT_EQ(ini.Value(kStrIni, L"Setting-EN", L"Item43"), L"Snipe Key");
}

TEST_F(FirstRunTest, UsesTheLanguageNames) {
    auto stored = MakeFiles(L"Setting-CHS");
    stored.LoadConfig(FactorySettingsRecord());
    KeyLabels labels;
    ApplyFirstRunDefaults(state, labels, LanguageTextsFor(kLangSimplifiedChinese), stored);
    EXPECT_EQ(labels[1][3], L"狙击");
    EXPECT_EQ(ini.Value(kStrIni, L"Setting-CHS", L"Item1"), L"左键");
}

TEST_F(FirstRunTest, DoesNothingOnceTheToolWroteConfig) {
    files.files[kConfig] = ConfigWith(1);
    auto stored = MakeFiles();
    stored.LoadConfig(FactorySettingsRecord());
    const DeviceImage before = state.image;
    KeyLabels labels;
    labels[0][0] = L"mine";
    EXPECT_EQ(ApplyFirstRunDefaults(state, labels, english, stored), SaveResult::Done());
    EXPECT_EQ(labels[0][0], L"mine");
    EXPECT_TRUE(ini.writes.empty());
    EXPECT_TRUE(
        std::equal(before.bytes().begin(), before.bytes().end(), state.image.bytes().begin()));
}

}  // namespace
}  // namespace corvane
