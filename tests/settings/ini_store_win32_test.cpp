// Under Wine: the contract for the profile API store and again for the
// portable one, files written by one read by the other, and Chinese labels
// through the settings files on an English code page.
#include <windows.h>

#include "device/device_state.h"
#include "meaning/factory_settings.h"
#include "settings/file_store.h"
#include "settings/ini_store_contract.h"
#include "settings/settings_files.h"
#include "support/fake_system_facts.h"

namespace corvane::testing {

struct Win32IniStoreFactory {
    static std::unique_ptr<IniStore> Make() { return MakePlatformIniStore(); }
};

INSTANTIATE_TYPED_TEST_SUITE_P(Win32, IniStoreContract, Win32IniStoreFactory);
INSTANTIATE_TYPED_TEST_SUITE_P(PortableUnderWine, IniStoreContract, PortableIniStoreFactory);

namespace {

const std::wstring kMixed[] = {L"多媒体-播放", L"Fire Key-A", L"快速鍵", L"Single Key-Num 5"};

TEST(IniStoresTogetherTest, EachReadsWhatTheOtherWrote) {
    const auto win32 = MakePlatformIniStore();
    const auto portable = MakePortableIniStore();
    for (const bool portableWrites : {true, false}) {
        TempFolder folder;
        const std::wstring ini = folder.Wide("str.ini");
        IniStore& writer = portableWrites ? *portable : *win32;
        IniStore& reader = portableWrites ? *win32 : *portable;
        for (std::size_t i = 0; i < std::size(kMixed); ++i) {
            ASSERT_TRUE(
                writer.Write(ini, L"Setting-CHS", L"Item" + std::to_wstring(i + 1), kMixed[i])
                    .done());
        }
        for (std::size_t i = 0; i < std::size(kMixed); ++i) {
            EXPECT_EQ(reader.Read(ini, L"Setting-CHS", L"Item" + std::to_wstring(i + 1), L"", 1024),
                      kMixed[i])
                << (portableWrites ? "portable wrote" : "profile API wrote");
        }
        // And the other way round on the same file.
        ASSERT_TRUE(reader.Write(ini, L"Setting-CHS", L"Item2", L"狙击-800").done());
        EXPECT_EQ(writer.Read(ini, L"Setting-CHS", L"Item2", L"", 1024), L"狙击-800");
        EXPECT_EQ(writer.Read(ini, L"Setting-CHS", L"Item1", L"", 1024), kMixed[0]);
    }
}

// Why the store makes a new file Unicode first: the profile API alone writes
// a new file in the ANSI code page, and Chinese becomes question marks.
TEST(ProfileApiTest, ANewFileWrittenByTheProfileApiAloneLosesChinese) {
    ASSERT_EQ(GetACP(), 1252u);
    TempFolder folder;
    const std::wstring path = folder.Wide("plain.ini");
    ASSERT_TRUE(WritePrivateProfileStringW(L"S", L"k", L"左键", path.c_str()));
    wchar_t buffer[64] = {};
    GetPrivateProfileStringW(L"S", L"k", L"", buffer, 64, path.c_str());
    EXPECT_NE(std::wstring(buffer), L"左键");
    EXPECT_NE(TempFolder::ReadFile(folder / "plain.ini").at(0), 0xFF);
}

TEST(StoredLabelsUnderWineTest, ChineseLabelsSurviveSaveAndLoadOnAnEnglishCodePage) {
    ASSERT_EQ(GetACP(), 1252u) << "the test needs the prefix's English code page";
    TempFolder folder;
    FakeSystemFacts facts;
    const auto files = MakePlatformFileStore();
    const auto ini = MakePlatformIniStore();
    DeviceState state;
    SettingsFiles stored(state, *files, *ini, facts, folder.Wide(""), L"Setting-CHS");
    stored.LoadConfig(FactorySettingsRecord());
    KeyLabels labels;
    for (int layer = 0; layer < kLayerCount; ++layer) {
        for (int button = 0; button < kButtonSlots; ++button) {
            labels[layer][button] = L"火力键-" + std::to_wstring(layer * 8 + button) + L"键";
        }
    }
    ASSERT_EQ(stored.SaveLabels(labels), SaveResult::Done());
    KeyLabels loaded;
    SettingsFiles again(state, *files, *ini, facts, folder.Wide(""), L"Setting-CHS");
    again.LoadConfig(FactorySettingsRecord());
    again.LoadLabels(loaded);
    EXPECT_EQ(loaded, labels);
    const auto bytes = TempFolder::ReadFile(folder / "str.ini");
    ASSERT_GE(bytes.size(), 2u);
    EXPECT_EQ(bytes[0], 0xFF);
    EXPECT_EQ(bytes[1], 0xFE);
}

}  // namespace
}  // namespace corvane::testing
