#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <gtest/gtest.h>

#include <cerrno>

#include "settings/file_store_fixture.h"

namespace corvane {
namespace {

using testing::TempFolder;

class PosixFileStoreTest : public testing::FileStoreFixture {};

TEST_F(PosixFileStoreTest, ReplaceNeverCreates) {
    EXPECT_FALSE(store->Exists(config));
    EXPECT_FALSE(store->Replace(config, fresh, error));
    EXPECT_EQ(error, static_cast<std::uint32_t>(ENOENT));
    EXPECT_TRUE(folder.Names().empty());
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

TEST_F(PosixFileStoreTest, AReadOnlyFileIsRefusedEvenForRoot) {
    TempFolder::WriteFile(folder / "config.bin", old);
    ::chmod((folder / "config.bin").c_str(), 0444);
    EXPECT_FALSE(store->Replace(config, fresh, error));
    EXPECT_EQ(error, static_cast<std::uint32_t>(EACCES));
    EXPECT_EQ(TempFolder::ReadFile(folder / "config.bin"), old);
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

TEST_F(PosixFileStoreTest, ReadStopsAtTheLimit) {
    TempFolder::WriteFile(folder / "config.bin", std::vector<std::uint8_t>(10000, 7));
    const auto bytes = store->Read(config, error, 181);
    ASSERT_TRUE(bytes);
    EXPECT_EQ(bytes->size(), 181u);
    EXPECT_EQ(store->Read(config, error)->size(), 10000u);
    EXPECT_FALSE(store->Read(folder.Wide("absent"), error));
    EXPECT_EQ(error, static_cast<std::uint32_t>(ENOENT));
}

TEST_F(PosixFileStoreTest, AFolderNamedLikeTheFileIsNotReplaced) {
    std::filesystem::create_directory(folder / "config.bin");
    EXPECT_TRUE(store->Exists(config));
    EXPECT_FALSE(store->Replace(config, fresh, error));
    EXPECT_TRUE(std::filesystem::is_directory(folder / "config.bin"));
}

}  // namespace
}  // namespace corvane
