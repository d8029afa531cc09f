// The committed factory config.bin that the Windows distribution carries is
// the one the generator writes.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <vector>

#include "meaning/factory_settings.h"

#ifndef CORVANE_FACTORY_CONFIG_FILE
#error "CORVANE_FACTORY_CONFIG_FILE names the committed factory config.bin"
#endif

namespace corvane {
namespace {

TEST(FactoryConfig, CommittedCopyMatches) {
    std::ifstream in(CORVANE_FACTORY_CONFIG_FILE, std::ios::binary);
    ASSERT_TRUE(in) << CORVANE_FACTORY_CONFIG_FILE;
    const std::vector<std::uint8_t> committed{std::istreambuf_iterator<char>(in), {}};
    const auto expected = FactoryConfigFile();
    EXPECT_EQ(committed, std::vector<std::uint8_t>(expected.begin(), expected.end()))
        << "regenerate with corvane_factory_config";
}

}  // namespace
}  // namespace corvane
