// The contract of every IniStore, over the files both stores write: UTF-16LE
// with a BOM, and plain ASCII. Instantiated for the portable store natively
// and, under Wine, for the profile API store (the reference) and the
// portable one.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "settings/ini_document.h"
#include "settings/ini_store.h"
#include "support/temp_folder.h"

namespace corvane::testing {

// Bytes of a UTF-16LE file with a BOM.
inline std::vector<std::uint8_t> Utf16File(const std::wstring& text) {
    return EncodeUtf16LeWithBom(text);
}
inline std::vector<std::uint8_t> AsciiFile(const std::string& text) {
    return std::vector<std::uint8_t>(text.begin(), text.end());
}

template <typename Factory>
class IniStoreContract : public ::testing::Test {
  protected:
    std::unique_ptr<IniStore> store = Factory::Make();
    TempFolder folder;
    std::wstring ini = folder.Wide("str.ini");

    std::wstring Read(const std::wstring& section, const std::wstring& key,
                      std::size_t capacity = 1024) {
        return store->Read(ini, section, key, L"", capacity);
    }
    void Given(const std::vector<std::uint8_t>& bytes) {
        TempFolder::WriteFile(folder / "str.ini", bytes);
    }
    std::vector<std::uint8_t> Bytes() { return TempFolder::ReadFile(folder / "str.ini"); }
};

TYPED_TEST_SUITE_P(IniStoreContract);

TYPED_TEST_P(IniStoreContract, MissingFileGivesTheFallbackAndCreatesNothing) {
    EXPECT_EQ(this->store->Read(this->ini, L"Setting-EN", L"Item1", L"", 1024), L"");
    EXPECT_EQ(this->store->Read(this->ini, L"Setting-EN", L"Item1", L"none", 1024), L"none");
    EXPECT_TRUE(this->folder.Names().empty());
}

TYPED_TEST_P(IniStoreContract, NewFileIsUnicodeWithSectionsInOrderOfCreation) {
    ASSERT_TRUE(this->store->Write(this->ini, L"Setting-EN", L"Item1", L"Left Click").done());
    ASSERT_TRUE(this->store->Write(this->ini, L"Setting-CHS", L"Item13", L"左键").done());
    ASSERT_TRUE(this->store->Write(this->ini, L"Setting-EN", L"Item2", L"Right Click").done());
    EXPECT_EQ(this->Bytes(), Utf16File(L"[Setting-EN]\r\nItem1=Left Click\r\nItem2=Right Click\r\n"
                                       L"[Setting-CHS]\r\nItem13=左键\r\n"));
}

TYPED_TEST_P(IniStoreContract, ChineseLabelsSurviveWriteAndRead) {
    const std::wstring labels[] = {L"多媒体-播放/暂停", L"火力鍵-A", L"狙擊-3200", L"按键关闭"};
    for (std::size_t i = 0; i < std::size(labels); ++i) {
        ASSERT_TRUE(
            this->store
                ->Write(this->ini, L"Setting-CHT", L"Item" + std::to_wstring(i + 1), labels[i])
                .done());
    }
    for (std::size_t i = 0; i < std::size(labels); ++i) {
        EXPECT_EQ(this->Read(L"Setting-CHT", L"Item" + std::to_wstring(i + 1)), labels[i]);
    }
}

TYPED_TEST_P(IniStoreContract, OverwritingAKeyKeepsEverythingElse) {
    this->Given(Utf16File(L"[Setting-EN]\r\nItem1=a\r\nItem2=b\r\n[Other]\r\nx=1\r\n"));
    ASSERT_TRUE(this->store->Write(this->ini, L"Setting-EN", L"Item1", L"Fire Key-A").done());
    EXPECT_EQ(this->Bytes(),
              Utf16File(L"[Setting-EN]\r\nItem1=Fire Key-A\r\nItem2=b\r\n[Other]\r\nx=1\r\n"));
}

TYPED_TEST_P(IniStoreContract, NamesIgnoreCaseAndBlanksAroundThem) {
    this->Given(
        Utf16File(L"  [setting-en]  \r\n  item1 =  Left Click  \r\n\r\nITEM2\t=\tx = y\r\n"));
    EXPECT_EQ(this->Read(L"Setting-EN", L"Item1"), L"Left Click");
    EXPECT_EQ(this->Read(L"SETTING-EN", L"item2"), L"x = y");
    EXPECT_EQ(this->Read(L"Setting-EN", L"Item3"), L"");
    EXPECT_EQ(this->Read(L"Setting-CHS", L"Item1"), L"");
}

TYPED_TEST_P(IniStoreContract, MatchingQuotesAreRemoved) {
    this->Given(Utf16File(L"[S]\r\na=\"quoted\"\r\nb='single'\r\nc=\"half\r\nd=\"\r\ne=''\r\n"));
    EXPECT_EQ(this->Read(L"S", L"a"), L"quoted");
    EXPECT_EQ(this->Read(L"S", L"b"), L"single");
    EXPECT_EQ(this->Read(L"S", L"c"), L"\"half");
    EXPECT_EQ(this->Read(L"S", L"d"), L"\"");
    EXPECT_EQ(this->Read(L"S", L"e"), L"");
}

TYPED_TEST_P(IniStoreContract, CommentsAndKeysWithoutValueGiveTheFallback) {
    this->Given(Utf16File(L";Item1=hidden\r\n[S]\r\n;Item1=comment\r\nItem1\r\nItem2=v\r\n"));
    EXPECT_EQ(this->Read(L"S", L"Item1"), L"");
    EXPECT_EQ(this->Read(L"S", L"Item2"), L"v");
}

TYPED_TEST_P(IniStoreContract, FirstSectionAndFirstKeyOfANameWin) {
    this->Given(Utf16File(L"[S]\r\nk=1\r\nk=2\r\n[s]\r\nk=3\r\nj=4\r\n"));
    EXPECT_EQ(this->Read(L"S", L"k"), L"1");
    EXPECT_EQ(this->Read(L"S", L"j"), L"");
    ASSERT_TRUE(this->store->Write(this->ini, L"S", L"j", L"5").done());
    EXPECT_EQ(this->Bytes(), Utf16File(L"[S]\r\nk=1\r\nk=2\r\nj=5\r\n[s]\r\nk=3\r\nj=4\r\n"));
}

TYPED_TEST_P(IniStoreContract, AsciiFilesAreReadAndKeepTheirOtherKeys) {
    this->Given(AsciiFile("[Setting-EN]\nItem1=Fire Key-A\nItem2=Single Key-Num 5\n"));
    EXPECT_EQ(this->Read(L"Setting-EN", L"Item1"), L"Fire Key-A");
    EXPECT_EQ(this->Read(L"Setting-EN", L"Item2"), L"Single Key-Num 5");
    ASSERT_TRUE(this->store->Write(this->ini, L"Setting-EN", L"Item3", L"Key Off").done());
    EXPECT_EQ(this->Read(L"Setting-EN", L"Item1"), L"Fire Key-A");
    EXPECT_EQ(this->Read(L"Setting-EN", L"Item3"), L"Key Off");
}

TYPED_TEST_P(IniStoreContract, ValuesAreCutToTheCapacity) {
    this->Given(Utf16File(L"[S]\r\nlong=" + std::wstring(100000, L'x') + L"\r\nshort=abc\r\n"));
    EXPECT_EQ(this->Read(L"S", L"long"), std::wstring(1023, L'x'));
    EXPECT_EQ(this->Read(L"S", L"short", 3), L"ab");
    EXPECT_EQ(this->Read(L"S", L"short", 1), L"");
}

TYPED_TEST_P(IniStoreContract, AMissingFolderFailsTheWriteAndCreatesNothing) {
    const std::wstring path =
        this->folder.Wide("absent") + (sizeof(wchar_t) == 2 ? L"\\str.ini" : L"/str.ini");
    const SaveResult written = this->store->Write(path, L"S", L"k", L"v");
    EXPECT_EQ(written.status(), SaveResult::Status::Failed);
    EXPECT_NE(written.error(), 0u) << "the system's error number";
    EXPECT_EQ(this->store->Read(path, L"S", L"k", L"", 1024), L"");
    EXPECT_TRUE(this->folder.Names().empty());
}

// What a str.ini the program cannot write looks like to every store, root
// included: a folder of that name. It reads as a missing file.
TYPED_TEST_P(IniStoreContract, AFolderInTheFilesPlaceFailsTheWriteAndStaysAFolder) {
    std::filesystem::create_directory(this->folder / "str.ini");
    const SaveResult written = this->store->Write(this->ini, L"S", L"k", L"v");
    EXPECT_EQ(written.status(), SaveResult::Status::Failed);
    EXPECT_NE(written.error(), 0u) << "the system's error number";
    EXPECT_EQ(this->Read(L"S", L"k"), L"");
    EXPECT_TRUE(std::filesystem::is_directory(this->folder / "str.ini"));
    EXPECT_TRUE(std::filesystem::is_empty(this->folder / "str.ini"));
    EXPECT_EQ(this->folder.Names(), std::vector<std::string>{"str.ini"}) << "no file left beside";
}

TYPED_TEST_P(IniStoreContract, AnEmptyFileBecomesUnicode) {
    this->Given({});
    ASSERT_TRUE(this->store->Write(this->ini, L"Setting-CHS", L"Item1", L"左键").done());
    EXPECT_EQ(this->Read(L"Setting-CHS", L"Item1"), L"左键");
    EXPECT_EQ(this->Bytes(), Utf16File(L"[Setting-CHS]\r\nItem1=左键\r\n"));
}

REGISTER_TYPED_TEST_SUITE_P(IniStoreContract, MissingFileGivesTheFallbackAndCreatesNothing,
                            NewFileIsUnicodeWithSectionsInOrderOfCreation,
                            ChineseLabelsSurviveWriteAndRead, OverwritingAKeyKeepsEverythingElse,
                            NamesIgnoreCaseAndBlanksAroundThem, MatchingQuotesAreRemoved,
                            CommentsAndKeysWithoutValueGiveTheFallback,
                            FirstSectionAndFirstKeyOfANameWin,
                            AsciiFilesAreReadAndKeepTheirOtherKeys, ValuesAreCutToTheCapacity,
                            AMissingFolderFailsTheWriteAndCreatesNothing,
                            AFolderInTheFilesPlaceFailsTheWriteAndStaysAFolder,
                            AnEmptyFileBecomesUnicode);

struct PortableIniStoreFactory {
    static std::unique_ptr<IniStore> Make() { return MakePortableIniStore(); }
};

}  // namespace corvane::testing
