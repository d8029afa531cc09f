#include "settings/stored_files.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <numeric>

#include "settings/factory_settings.h"
#include "support/fake_file_store.h"
#include "support/fake_ini_store.h"
#include "support/fake_system_facts.h"
#include "support/fake_user_messages.h"
#include "ui/main/text_table.h"

namespace corvane {
namespace {

using testing::FakeFileStore;
using testing::FakeIniStore;
using testing::FakeSystemFacts;
using testing::FakeUserMessages;
using testing::ShownMessage;

constexpr wchar_t kConfig[] = L"C:\\Tools\\config.bin";
constexpr wchar_t kStrIni[] = L"C:\\Tools\\str.ini";

TEST(StoredFilePathsTest, EveryOccurrenceOfTheExecutableNameIsReplaced) {
    const auto paths = DeriveStoredFilePaths(L"C:\\Corvane1.0.exe\\bin\\Corvane1.0.exe");
    EXPECT_EQ(paths.configPath, L"C:\\config.bin\\bin\\config.bin");
    EXPECT_EQ(paths.strIniPath, L"C:\\str.ini\\bin\\str.ini");
    EXPECT_EQ(paths.modulePath, L"C:\\Corvane1.0.exe\\bin\\Corvane1.0.exe");
}

TEST(StoredFilePathsTest, ARenamedExecutableKeepsItsOwnPath) {
    const auto paths = DeriveStoredFilePaths(L"C:\\Tools\\corvane1.0.exe");
    EXPECT_EQ(paths.configPath, L"C:\\Tools\\corvane1.0.exe");
    EXPECT_EQ(paths.strIniPath, L"C:\\Tools\\corvane1.0.exe");
}

TEST(StoredFilePathsTest, ReplaceAllDoesNotRescanTheReplacement) {
    EXPECT_EQ(ReplaceAll(L"aXa", L"a", L"aa"), L"aaXaa");
    EXPECT_EQ(ReplaceAll(L"abc", L"", L"zz"), L"abc");
}

bool IsFactoryRecord(const SettingsRecord& record) {
    const SettingsRecord factory = FactorySettingsRecord();
    return std::equal(record.bytes().begin(), record.bytes().end(), factory.bytes().begin());
}

class StoredFilesTest : public ::testing::Test {
  protected:
    StoredFiles MakeFiles(std::wstring section = L"Setting-EN") {
        return StoredFiles(state, files, ini, facts, messages, std::move(section));
    }
    std::vector<std::uint8_t> ConfigWith(std::uint8_t flag, std::size_t size = kConfigFileSize) {
        std::vector<std::uint8_t> bytes(size);
        std::iota(bytes.begin(), bytes.end(), std::uint8_t{0});
        if (!bytes.empty()) {
            bytes[0] = flag;
        }
        return bytes;
    }

    SettingsState state;
    FakeFileStore files;
    FakeIniStore ini;
    FakeSystemFacts facts;
    FakeUserMessages messages;
};

TEST_F(StoredFilesTest, MissingConfigIsReportedAndStartsFromTheFactorySettings) {
    auto stored = MakeFiles();
    stored.LoadConfig();
    EXPECT_EQ(messages.shown,
              (std::vector<ShownMessage>{{MessageKind::ConfigMissing, Caption::AppTitle, 0}}));
    EXPECT_EQ(state.firstRunFlag, 0);
    EXPECT_TRUE(IsFactoryRecord(state.records.working));
    EXPECT_EQ(stored.paths().configPath, kConfig);
    EXPECT_EQ(stored.paths().strIniPath, kStrIni);
}

TEST_F(StoredFilesTest, A180ByteConfigLoadsFlagAndRecordAndTraces) {
    files.files[kConfig] = ConfigWith(7);
    auto stored = MakeFiles();
    stored.LoadConfig();
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(state.firstRunFlag, 7);
    for (std::size_t i = 0; i < kSettingsRecordSize; ++i) {
        ASSERT_EQ(state.records.working.bytes()[i], static_cast<std::uint8_t>(i + 1)) << i;
    }
    EXPECT_EQ(facts.traces,
              std::vector<std::wstring>{L"Program First Run Flag:7\nRead Size is: 179"});
    // A longer file is told apart without reading all of it.
    EXPECT_EQ(files.readLimits, std::vector<std::size_t>{kConfigFileSize + 1});
}

TEST_F(StoredFilesTest, ConfigOfAnyOtherSizeIsIgnoredSilentlyForTheFactorySettings) {
    for (const std::size_t size : {0u, 1u, 179u, 181u, 4096u}) {
        SettingsState fresh;
        state = fresh;
        files.files[kConfig] = ConfigWith(1, size);
        auto stored = MakeFiles();
        stored.LoadConfig();
        EXPECT_TRUE(messages.shown.empty()) << size;
        EXPECT_EQ(state.firstRunFlag, 0) << size;
        EXPECT_TRUE(IsFactoryRecord(state.records.working)) << size;
    }
}

TEST_F(StoredFilesTest, UnreadableConfigIsIgnoredSilentlyForTheFactorySettings) {
    files.files[kConfig] = ConfigWith(1);
    files.readError = 32;
    auto stored = MakeFiles();
    stored.LoadConfig();
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(state.firstRunFlag, 0);
    EXPECT_TRUE(IsFactoryRecord(state.records.working));
}

TEST_F(StoredFilesTest, A180ByteConfigIsLoadedAsItIsEvenAllZero) {
    files.files[kConfig] = std::vector<std::uint8_t>(kConfigFileSize, 0);
    auto stored = MakeFiles();
    stored.LoadConfig();
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(state.records.working.reportRate, 0);
    EXPECT_EQ(state.records.working.buttonFunction[0][1], 0);
}

TEST_F(StoredFilesTest, SaveWritesExactly180BytesStartingWithOne) {
    files.files[kConfig] = ConfigWith(0);
    auto stored = MakeFiles();
    stored.LoadConfig();
    state.records.working.reportRate = 8;
    stored.SaveConfig();
    const auto& saved = files.files[kConfig];
    ASSERT_EQ(saved.size(), kConfigFileSize);
    EXPECT_EQ(saved[0], 1);
    EXPECT_EQ(saved[1 + offsetof(SettingsRecord, reportRate)], 8);
    EXPECT_EQ(facts.traces.back(), L"Data num:1 BYTE -179 BYTE\n Struct size:179 BYTE");
    EXPECT_EQ(state.firstRunFlag, 0) << "the flag in memory changes only by loading";
}

TEST_F(StoredFilesTest, ConfigRoundTripsEveryByte) {
    files.files[kConfig] = ConfigWith(1);
    auto stored = MakeFiles();
    stored.LoadConfig();
    for (std::size_t i = 0; i < kSettingsRecordSize; ++i) {
        state.records.working.bytes()[i] = static_cast<std::uint8_t>(0xFF - i);
    }
    const SettingsRecord saved = state.records.working;
    stored.SaveConfig();
    state = SettingsState{};
    stored.LoadConfig();
    EXPECT_EQ(state.firstRunFlag, 1);
    EXPECT_TRUE(std::equal(saved.bytes().begin(), saved.bytes().end(),
                           state.records.working.bytes().begin()));
}

TEST_F(StoredFilesTest, SaveNeverCreatesConfig) {
    auto stored = MakeFiles();
    stored.LoadConfig();
    messages.shown.clear();
    stored.SaveConfig();
    EXPECT_EQ(messages.shown,
              (std::vector<ShownMessage>{{MessageKind::ConfigMissing, Caption::AppTitle, 0}}));
    EXPECT_EQ(files.replaceCalls, 0);
    EXPECT_TRUE(files.files.empty());
}

TEST_F(StoredFilesTest, SaveBeforeLoadDerivedNoPathAndStoresNothing) {
    auto stored = MakeFiles();
    stored.SaveConfig();
    stored.SaveLabels(KeyLabels{});
    EXPECT_EQ(files.replaceCalls, 0);
    EXPECT_TRUE(ini.writes.empty());
}

TEST_F(StoredFilesTest, FailedReplaceShowsTheSystemErrorUnderNullFp) {
    files.files[kConfig] = ConfigWith(1);
    auto stored = MakeFiles();
    stored.LoadConfig();
    files.replaceError = 5;
    const auto tracesBefore = facts.traces.size();
    stored.SaveConfig();
    EXPECT_EQ(messages.shown,
              (std::vector<ShownMessage>{{MessageKind::ConfigWriteError, Caption::NullFp, 5}}));
    EXPECT_EQ(facts.traces.size(), tracesBefore);
}

TEST_F(StoredFilesTest, WriteFailingHalfwayLeavesTheOldConfigByteForByte) {
    files.files[kConfig] = ConfigWith(1);
    const auto before = files.files[kConfig];
    auto stored = MakeFiles();
    stored.LoadConfig();
    state.records.working.ledMode = 2;
    files.halfwayError = 112;  // disk full
    stored.SaveConfig();
    EXPECT_EQ(files.files[kConfig], before);
    EXPECT_EQ(files.abandonedTemporary.size(), kConfigFileSize / 2);
    EXPECT_EQ(messages.shown,
              (std::vector<ShownMessage>{{MessageKind::ConfigWriteError, Caption::NullFp, 112}}));
}

TEST_F(StoredFilesTest, LabelsAreWrittenInKeyOrderUnderTheLanguageSection) {
    files.files[kConfig] = ConfigWith(1);
    auto stored = MakeFiles(L"Setting-CHT");
    stored.LoadConfig();
    KeyLabels labels;
    for (int layer = 0; layer < kLayerCount; ++layer) {
        for (int button = 0; button < kButtonSlots; ++button) {
            labels[layer][button] = L"L" + std::to_wstring(layer) + std::to_wstring(button);
        }
    }
    stored.SaveLabels(labels);
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

TEST_F(StoredFilesTest, LabelsOfAnotherLanguageAreNotSeen) {
    files.files[kConfig] = ConfigWith(1);
    ini.values[{kStrIni, L"Setting-EN", L"Item1"}] = L"Left Click";
    auto stored = MakeFiles(L"Setting-CHT");
    stored.LoadConfig();
    KeyLabels labels;
    labels[0][0] = L"stale";
    stored.LoadLabels(labels);
    EXPECT_EQ(labels[0][0], L"");
}

TEST_F(StoredFilesTest, LongLabelsAreCutToTheBuffer) {
    files.files[kConfig] = ConfigWith(1);
    ini.values[{kStrIni, L"Setting-EN", L"Item83"}] = std::wstring(5000, L'x');
    auto stored = MakeFiles();
    stored.LoadConfig();
    KeyLabels labels;
    stored.LoadLabels(labels);
    EXPECT_EQ(labels[1][7].size(), kLabelCapacity - 1);
}

class FirstRunTest : public StoredFilesTest {
  protected:
    void SetUp() override { files.files[kConfig] = ConfigWith(0); }
    const TextTable& english = TextTableFor(kLangEnglishUs);
};

TEST_F(FirstRunTest, InstallsTablesStagesAndLabelsButKeepsFunctions) {
    auto stored = MakeFiles();
    stored.LoadConfig();
    const SettingsRecord loaded = state.records.working;
    KeyLabels labels;
    ApplyFirstRunDefaults(state, labels, english.functionNames, stored);

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
    stored.LoadConfig();
    KeyLabels labels;
    ApplyFirstRunDefaults(state, labels, TextTableFor(kLangSimplifiedChinese).functionNames,
                          stored);
    EXPECT_EQ(labels[1][3], L"狙击");
    EXPECT_EQ(ini.Value(kStrIni, L"Setting-CHS", L"Item1"), L"左键");
}

TEST_F(FirstRunTest, DoesNothingOnceTheToolWroteConfig) {
    files.files[kConfig] = ConfigWith(1);
    auto stored = MakeFiles();
    stored.LoadConfig();
    const DeviceImage before = state.image;
    KeyLabels labels;
    labels[0][0] = L"mine";
    ApplyFirstRunDefaults(state, labels, english.functionNames, stored);
    EXPECT_EQ(labels[0][0], L"mine");
    EXPECT_TRUE(ini.writes.empty());
    EXPECT_TRUE(
        std::equal(before.bytes().begin(), before.bytes().end(), state.image.bytes().begin()));
}

}  // namespace
}  // namespace corvane
