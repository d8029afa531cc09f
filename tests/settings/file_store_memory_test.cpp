// The in-memory store keeps the contract of the real ones, so that the tests
// built on it see what the program would.
#include "settings/file_store_contract.h"

namespace corvane::testing {

INSTANTIATE_TYPED_TEST_SUITE_P(Memory, FileStoreContract, MemoryWorld);

TEST(MemoryFileStore, AFolderThatTakesNoNewFileIsWrittenInPlace) {
    FakeFileStore store;
    store.files[L"C:\\config.bin"] = {1, 2, 3};
    store.foldersTakeNoNewFile = true;
    std::uint32_t error = 0;
    const std::vector<std::uint8_t> fresh = {9};
    ASSERT_TRUE(store.Replace(L"C:\\config.bin", fresh, error));
    EXPECT_EQ(store.files.size(), 1u);
    EXPECT_EQ(store.files[L"C:\\config.bin"], fresh);
}

}  // namespace corvane::testing
