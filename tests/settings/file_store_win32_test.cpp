// The Win32 file store under Wine: ReplaceFileW in place of the old file,
// the never-create and read-only rules, a locked file.
#include <windows.h>

#include <gtest/gtest.h>

#include "settings/file_store_fixture.h"

namespace corvane {
namespace {

using testing::TempFolder;

class Win32FileStoreTest : public testing::FileStoreFixture {};

TEST_F(Win32FileStoreTest, ReplacePutsTheNewBytesInPlaceAndLeavesNoTemporaryFile) {
    TempFolder::WriteFile(folder / "config.bin", old);
    ASSERT_TRUE(store->Replace(config, fresh, error)) << error;
    EXPECT_EQ(TempFolder::ReadFile(folder / "config.bin"), fresh);
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"config.bin"});
    const auto bytes = store->Read(config, error, 181);
    ASSERT_TRUE(bytes);
    EXPECT_EQ(*bytes, fresh);
}

TEST_F(Win32FileStoreTest, ReplaceNeverCreates) {
    EXPECT_FALSE(store->Exists(config));
    EXPECT_FALSE(store->Replace(config, fresh, error));
    EXPECT_EQ(error, static_cast<std::uint32_t>(ERROR_FILE_NOT_FOUND));
    EXPECT_TRUE(folder.Names().empty());
}

TEST_F(Win32FileStoreTest, AReadOnlyFileIsRefusedAndKept) {
    TempFolder::WriteFile(folder / "config.bin", old);
    ASSERT_TRUE(SetFileAttributesW(config.c_str(), FILE_ATTRIBUTE_READONLY));
    EXPECT_FALSE(store->Replace(config, fresh, error));
    EXPECT_EQ(error, static_cast<std::uint32_t>(ERROR_ACCESS_DENIED));
    SetFileAttributesW(config.c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(TempFolder::ReadFile(folder / "config.bin"), old);
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"config.bin"});
}

TEST_F(Win32FileStoreTest, ALockedFileIsReportedAndKept) {
    TempFolder::WriteFile(folder / "config.bin", old);
    HANDLE lock = CreateFileW(config.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(lock, INVALID_HANDLE_VALUE);
    const bool replaced = store->Replace(config, fresh, error);
    CloseHandle(lock);
    EXPECT_FALSE(replaced);
    EXPECT_EQ(error, static_cast<std::uint32_t>(ERROR_SHARING_VIOLATION));
    EXPECT_EQ(TempFolder::ReadFile(folder / "config.bin"), old);
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"config.bin"});
}

TEST_F(Win32FileStoreTest, ReadStopsAtTheLimitAndReportsAMissingFile) {
    TempFolder::WriteFile(folder / "config.bin", std::vector<std::uint8_t>(10000, 7));
    EXPECT_EQ(store->Read(config, error, 181)->size(), 181u);
    EXPECT_FALSE(store->Read(folder.Wide("absent.bin"), error, 181));
    EXPECT_EQ(error, static_cast<std::uint32_t>(ERROR_FILE_NOT_FOUND));
}

}  // namespace
}  // namespace corvane
