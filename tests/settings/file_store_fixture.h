// The platform file store over a temporary folder holding an old config.bin's
// worth of bytes and the new ones to put in its place.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "settings/file_store.h"
#include "support/temp_folder.h"

namespace corvane::testing {

class FileStoreFixture : public ::testing::Test {
  protected:
    std::unique_ptr<FileStore> store = MakePlatformFileStore();
    TempFolder folder;
    std::wstring config = folder.Wide("config.bin");
    std::vector<std::uint8_t> old = std::vector<std::uint8_t>(180, 0xAB);
    std::vector<std::uint8_t> fresh = std::vector<std::uint8_t>(180, 0x01);
    std::uint32_t error = 0;
};

}  // namespace corvane::testing
