// The contract of every FileStore: the platform's store over a temporary
// folder (POSIX natively, Win32 under Wine) and the in-memory store the
// other tests use. A world gives the store and lets a test lay out files.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "settings/file_store.h"
#include "support/fake_file_store.h"
#include "support/temp_folder.h"

namespace corvane::testing {

// The platform's store in a fresh folder. MakeReadOnly is the platform's.
class TempFolderWorld {
  public:
    FileStore& Store() { return *store_; }
    std::wstring Path(const std::string& name) { return folder_.Wide(name); }
    void Put(const std::string& name, const std::vector<std::uint8_t>& bytes) {
        TempFolder::WriteFile(folder_ / name, bytes);
    }
    void MakeFolder(const std::string& name) { std::filesystem::create_directory(folder_ / name); }
    std::vector<std::uint8_t> Contents(const std::string& name) {
        return TempFolder::ReadFile(folder_ / name);
    }
    std::vector<std::string> Names() { return folder_.Names(); }

  protected:
    std::unique_ptr<FileStore> store_ = MakePlatformFileStore();
    TempFolder folder_;
};

class MemoryWorld {
  public:
    FileStore& Store() { return store_; }
    std::wstring Path(const std::string& name) {
        return kFolder + std::wstring(name.begin(), name.end());
    }
    void Put(const std::string& name, const std::vector<std::uint8_t>& bytes) {
        store_.files[Path(name)] = bytes;
    }
    void MakeFolder(const std::string& name) { store_.folders.insert(Path(name)); }
    void MakeReadOnly(const std::string& name) { store_.readOnly.insert(Path(name)); }
    std::vector<std::uint8_t> Contents(const std::string& name) { return store_.files[Path(name)]; }
    std::vector<std::string> Names() {
        std::vector<std::string> names;
        for (const auto& [path, bytes] : store_.files) {
            names.emplace_back(path.begin() + kFolder.size(), path.end());
        }
        return names;
    }

  private:
    static inline const std::wstring kFolder = L"C:\\Tools\\";
    FakeFileStore store_;
};

template <typename World>
class FileStoreContract : public ::testing::Test {
  protected:
    World world;
    FileStore& store = world.Store();
    std::wstring config = world.Path("config.bin");
    std::vector<std::uint8_t> old = std::vector<std::uint8_t>(180, 0xAB);
    std::vector<std::uint8_t> fresh = std::vector<std::uint8_t>(180, 0x01);
    std::uint32_t error = 0;
};

TYPED_TEST_SUITE_P(FileStoreContract);

TYPED_TEST_P(FileStoreContract, ReplacePutsTheNewBytesInPlaceAndLeavesOnlyTheFile) {
    this->world.Put("config.bin", this->old);
    ASSERT_TRUE(this->store.Replace(this->config, this->fresh, this->error)) << this->error;
    EXPECT_EQ(this->world.Contents("config.bin"), this->fresh);
    const std::vector<std::uint8_t> shorter(3, 0x42);
    ASSERT_TRUE(this->store.Replace(this->config, shorter, this->error)) << this->error;
    EXPECT_EQ(this->world.Contents("config.bin"), shorter);
    EXPECT_EQ(this->world.Names(), std::vector<std::string>{"config.bin"});
}

TYPED_TEST_P(FileStoreContract, ReplaceNeverCreates) {
    EXPECT_FALSE(this->store.Exists(this->config));
    EXPECT_FALSE(this->store.Replace(this->config, this->fresh, this->error));
    EXPECT_NE(this->error, 0u);
    EXPECT_TRUE(this->world.Names().empty());
}

TYPED_TEST_P(FileStoreContract, AReadOnlyFileIsRefusedAndKept) {
    this->world.Put("config.bin", this->old);
    this->world.MakeReadOnly("config.bin");
    EXPECT_FALSE(this->store.Replace(this->config, this->fresh, this->error));
    EXPECT_NE(this->error, 0u);
    EXPECT_EQ(this->world.Contents("config.bin"), this->old);
    EXPECT_EQ(this->world.Names(), std::vector<std::string>{"config.bin"});
}

TYPED_TEST_P(FileStoreContract, AFolderNamedLikeTheFileIsNotReplaced) {
    this->world.MakeFolder("config.bin");
    EXPECT_TRUE(this->store.Exists(this->config));
    EXPECT_FALSE(this->store.Replace(this->config, this->fresh, this->error));
    EXPECT_NE(this->error, 0u);
}

TYPED_TEST_P(FileStoreContract, ReadStopsAtTheLimitAndReportsAMissingFile) {
    this->world.Put("config.bin", std::vector<std::uint8_t>(10000, 7));
    const auto bytes = this->store.Read(this->config, this->error, 181);
    ASSERT_TRUE(bytes);
    EXPECT_EQ(*bytes, std::vector<std::uint8_t>(181, 7));
    EXPECT_EQ(this->store.Read(this->config, this->error)->size(), 10000u);
    this->error = 0;
    EXPECT_FALSE(this->store.Read(this->world.Path("absent.bin"), this->error, 181));
    EXPECT_NE(this->error, 0u);
}

TYPED_TEST_P(FileStoreContract, CreateMakesANewFileOnceAndNeverReplaces) {
    ASSERT_TRUE(this->store.Create(this->config, this->fresh, this->error)) << this->error;
    EXPECT_EQ(this->world.Contents("config.bin"), this->fresh);
    EXPECT_FALSE(this->store.Create(this->config, this->old, this->error));
    EXPECT_NE(this->error, 0u);
    EXPECT_EQ(this->world.Contents("config.bin"), this->fresh);
    EXPECT_EQ(this->world.Names(), std::vector<std::string>{"config.bin"});

    this->world.MakeFolder("str.ini");
    this->error = 0;
    EXPECT_FALSE(this->store.Create(this->world.Path("str.ini"), this->fresh, this->error));
    EXPECT_NE(this->error, 0u);
}

// The platform's store over a folder holding an old config.bin's worth of
// bytes and the new ones to put in its place, for what is each platform's own.
class PlatformFileStoreTest : public ::testing::Test {
  protected:
    std::unique_ptr<FileStore> store = MakePlatformFileStore();
    TempFolder folder;
    std::wstring config = folder.Wide("config.bin");
    std::vector<std::uint8_t> old = std::vector<std::uint8_t>(180, 0xAB);
    std::vector<std::uint8_t> fresh = std::vector<std::uint8_t>(180, 0x01);
    std::uint32_t error = 0;
};

REGISTER_TYPED_TEST_SUITE_P(FileStoreContract, ReplacePutsTheNewBytesInPlaceAndLeavesOnlyTheFile,
                            ReplaceNeverCreates, AReadOnlyFileIsRefusedAndKept,
                            AFolderNamedLikeTheFileIsNotReplaced,
                            ReadStopsAtTheLimitAndReportsAMissingFile,
                            CreateMakesANewFileOnceAndNeverReplaces);

}  // namespace corvane::testing
