// The Win32 file store under Wine: ReplaceFileW in place of the old file,
// the never-create and read-only rules, a locked file.
#include <windows.h>

#include <gtest/gtest.h>

#include "settings/file_store_contract.h"

namespace corvane {
namespace testing {

class Win32World : public TempFolderWorld {
  public:
    ~Win32World() {
        for (const std::wstring& path : readOnly_) {
            SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        }
    }
    void MakeReadOnly(const std::string& name) {
        readOnly_.push_back(Path(name));
        SetFileAttributesW(readOnly_.back().c_str(), FILE_ATTRIBUTE_READONLY);
    }

  private:
    std::vector<std::wstring> readOnly_;
};

INSTANTIATE_TYPED_TEST_SUITE_P(Win32, FileStoreContract, Win32World);

}  // namespace testing

namespace {

using testing::TempFolder;

using Win32FileStoreTest = testing::PlatformFileStoreTest;

TEST_F(Win32FileStoreTest, FailuresCarryTheSystemErrorNumber) {
    EXPECT_FALSE(store->Replace(config, fresh, error));
    EXPECT_EQ(error, static_cast<std::uint32_t>(ERROR_FILE_NOT_FOUND));
    TempFolder::WriteFile(folder / "config.bin", old);
    ASSERT_TRUE(SetFileAttributesW(config.c_str(), FILE_ATTRIBUTE_READONLY));
    EXPECT_FALSE(store->Replace(config, fresh, error));
    EXPECT_EQ(error, static_cast<std::uint32_t>(ERROR_ACCESS_DENIED));
    SetFileAttributesW(config.c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_FALSE(store->Read(folder.Wide("absent.bin"), error, 181));
    EXPECT_EQ(error, static_cast<std::uint32_t>(ERROR_FILE_NOT_FOUND));
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

}  // namespace
}  // namespace corvane
