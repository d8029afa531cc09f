#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <gtest/gtest.h>

#include <cerrno>

#include "settings/file_store_contract.h"

namespace corvane {
namespace testing {

// Read-only as Windows sees it: no write bit at all, which root respects too.
class PosixWorld : public TempFolderWorld {
  public:
    void MakeReadOnly(const std::string& name) { ::chmod((folder_ / name).c_str(), 0444); }
};

INSTANTIATE_TYPED_TEST_SUITE_P(Posix, FileStoreContract, PosixWorld);

}  // namespace testing

namespace {

using testing::TempFolder;

using PosixFileStoreTest = testing::PlatformFileStoreTest;

TEST_F(PosixFileStoreTest, FailuresCarryTheSystemErrorNumber) {
    EXPECT_FALSE(store->Replace(config, fresh, error));
    EXPECT_EQ(error, static_cast<std::uint32_t>(ENOENT));
    TempFolder::WriteFile(folder / "config.bin", old);
    ::chmod((folder / "config.bin").c_str(), 0444);
    EXPECT_FALSE(store->Replace(config, fresh, error));
    EXPECT_EQ(error, static_cast<std::uint32_t>(EACCES));
    EXPECT_FALSE(store->Read(folder.Wide("absent"), error));
    EXPECT_EQ(error, static_cast<std::uint32_t>(ENOENT));
}

TEST_F(PosixFileStoreTest, ReplaceKeepsTheModeAndLeavesNoTemporaryFile) {
    TempFolder::WriteFile(folder / "config.bin", old);
    ::chmod((folder / "config.bin").c_str(), 0640);
    ASSERT_TRUE(store->Replace(config, fresh, error));
    EXPECT_EQ(TempFolder::ReadFile(folder / "config.bin"), fresh);
    struct stat info {};
    ::stat((folder / "config.bin").c_str(), &info);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"config.bin"});
}

TEST_F(PosixFileStoreTest, CreateGivesTheModeOfNewFilesAndLeavesNothingWhereItFails) {
    const mode_t saved = ::umask(027);
    const bool created = store->Create(config, fresh, error);
    ::umask(saved);
    ASSERT_TRUE(created) << error;
    struct stat info {};
    ::stat((folder / "config.bin").c_str(), &info);
    EXPECT_EQ(info.st_mode & 0777, 0640u);

    EXPECT_FALSE(store->Create(config, old, error));
    EXPECT_EQ(error, static_cast<std::uint32_t>(EEXIST));
    EXPECT_FALSE(store->Create(folder.Wide("absent") + L"/config.bin", fresh, error));
    EXPECT_EQ(error, static_cast<std::uint32_t>(ENOENT));
    // Running out of room halfway: the new file is not left half written.
    struct rlimit limits {};
    ::getrlimit(RLIMIT_FSIZE, &limits);
    const auto previous = ::signal(SIGXFSZ, SIG_IGN);
    struct rlimit limited = limits;
    limited.rlim_cur = 90;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &limited), 0);
    const bool createdHalf = store->Create(folder.Wide("str.ini"), fresh, error);
    ::setrlimit(RLIMIT_FSIZE, &limits);
    ::signal(SIGXFSZ, previous);
    EXPECT_FALSE(createdHalf);
    EXPECT_EQ(error, static_cast<std::uint32_t>(EFBIG));
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"config.bin"});
}

TEST_F(PosixFileStoreTest, AWriteFailingHalfwayLeavesTheOldFileByteForByte) {
    TempFolder::WriteFile(folder / "config.bin", old);
    // The file size limit makes the write stop after 90 of 180 bytes.
    struct rlimit saved {};
    ::getrlimit(RLIMIT_FSIZE, &saved);
    const auto previous = ::signal(SIGXFSZ, SIG_IGN);
    struct rlimit limited = saved;
    limited.rlim_cur = 90;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &limited), 0);
    const bool replaced = store->Replace(config, fresh, error);
    ::setrlimit(RLIMIT_FSIZE, &saved);
    ::signal(SIGXFSZ, previous);

    EXPECT_FALSE(replaced);
    EXPECT_EQ(error, static_cast<std::uint32_t>(EFBIG));
    EXPECT_EQ(TempFolder::ReadFile(folder / "config.bin"), old);
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"config.bin"});
}

}  // namespace
}  // namespace corvane
