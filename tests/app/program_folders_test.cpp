#include "app/program_folders.h"

#include <gtest/gtest.h>

#include <set>

namespace corvane {
namespace {

TEST(InstalledSkinFolderTest, BesideTheProgramFirstThenSharedDataThenBesideAgain) {
    std::set<std::wstring> folders;
    const auto isFolder = [&](const std::wstring& path) { return folders.count(path) != 0; };
    const std::wstring exe = L"/usr/bin/corvane";

    EXPECT_EQ(InstalledSkinFolder(exe, isFolder), L"/usr/bin/Skins") << "none: the missing one";
    folders.insert(L"/usr/bin/../share/corvane/Skins");
    EXPECT_EQ(InstalledSkinFolder(exe, isFolder), L"/usr/bin/../share/corvane/Skins");
    folders.insert(L"/usr/bin/Skins");
    EXPECT_EQ(InstalledSkinFolder(exe, isFolder), L"/usr/bin/Skins");
    EXPECT_EQ(InstalledSkinFolder(L"corvane", isFolder), L"./Skins");
}

}  // namespace
}  // namespace corvane
