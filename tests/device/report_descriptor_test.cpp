// The report descriptor parser on hand-written descriptors: the lengths
// Windows would report for good ones, a clear error and no stray read for
// broken ones.
#include "device/report_descriptor.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <vector>

#include "sample_descriptors.h"

namespace corvane::testing {
namespace {

using Bytes = DescriptorBytes;

DescriptorError ErrorOf(const Bytes& bytes) {
    return ParseReportDescriptor(bytes).error;
}

TEST(ReportDescriptorTest, MouseLikeTwoCollectionsWithReportIds) {
    const ParsedDescriptor parsed = ParseReportDescriptor(kMouseLike);
    ASSERT_EQ(parsed.error, DescriptorError::None);
    ASSERT_EQ(parsed.collections.size(), 2u);
    // Input: 5 + 3 + 32 bits = 5 bytes and the id; feature: 64 bytes and the id.
    EXPECT_EQ(parsed.collections[0], (CollectionReportLengths{1, 2, 6, 0, 65}));
    EXPECT_EQ(parsed.collections[1], (CollectionReportLengths{1, 6, 0, 0, 8}));
}

TEST(ReportDescriptorTest, WithoutReportIdsTheIdByteIsStillCounted) {
    const Bytes bytes = {
        0x06, 0x00, 0xFF, 0x09, 0x01, 0xA1, 0x01,  // vendor page, Usage 1, Collection
        0x75, 0x08, 0x95, 0x40, 0xB1, 0x02,        // feature 64 bytes
        0x95, 0x03, 0x81, 0x02,                    // input 3 bytes
        0x75, 0x01, 0x95, 0x0C, 0x91, 0x02,        // output 12 bits: 2 bytes
        0xC0,
    };
    const ParsedDescriptor parsed = ParseReportDescriptor(bytes);
    ASSERT_EQ(parsed.error, DescriptorError::None);
    ASSERT_EQ(parsed.collections.size(), 1u);
    EXPECT_EQ(parsed.collections[0], (CollectionReportLengths{0xFF00, 1, 4, 3, 65}));
}

TEST(ReportDescriptorTest, LongItemsAndFourByteUsagesAreRead) {
    const Bytes bytes = {
        0xFE, 0x02, 0x10, 0xAA, 0xBB,        // long item with two data bytes
        0x0B, 0x06, 0x00, 0x01, 0x00,        // Usage 0x00010006: its own page
        0xFE, 0x00, 0x20,                    // long item without data
        0xA1, 0x01, 0x75, 0x08, 0x95, 0x07,  // Collection; 7 bytes
        0xFE, 0x01, 0x30, 0xB1,              // a long item whose data looks like Feature
        0xB1, 0x02, 0xC0,
    };
    const ParsedDescriptor parsed = ParseReportDescriptor(bytes);
    ASSERT_EQ(parsed.error, DescriptorError::None);
    ASSERT_EQ(parsed.collections.size(), 1u);
    EXPECT_EQ(parsed.collections[0], (CollectionReportLengths{1, 6, 0, 0, 8}));
}

TEST(ReportDescriptorTest, PopRestoresReportIdSizeAndCount) {
    const Bytes bytes = {
        0x05, 0x01, 0x09, 0x06, 0xA1, 0x01,  //
        0x85, 0x01, 0x75, 0x08, 0x95, 0x03,  // id 1, 3 x 8 bits
        0xB1, 0x02,                          // feature 1: 24 bits
        0xA4,                                // Push
        0x85, 0x02, 0x95, 0x04, 0xB1, 0x02,  // feature 2: 32 bits
        0xB4,                                // Pop
        0xB1, 0x02,                          // feature 1 again: 48 bits in all
        0xC0,
    };
    const ParsedDescriptor parsed = ParseReportDescriptor(bytes);
    ASSERT_EQ(parsed.error, DescriptorError::None);
    EXPECT_EQ(parsed.collections.at(0).featureReportByteLength, 7);
}

TEST(ReportDescriptorTest, LargestOfSeveralFeatureReportsAndItemsSummedPerReport) {
    const Bytes bytes = {
        0x05,
        0x01,
        0x09,
        0x02,
        0xA1,
        0x01,  //
        0x75,
        0x08,  //
        0x85,
        0x01,
        0x95,
        0x07,
        0xB1,
        0x02,  // report 1: 7 bytes
        0x85,
        0x02,
        0x95,
        0x20,
        0xB1,
        0x02,  // report 2: 32 bytes ...
        0x85,
        0x03,
        0x95,
        0x02,
        0xB1,
        0x02,  // report 3: 2 bytes
        0x85,
        0x02,
        0x95,
        0x20,
        0xB1,
        0x02,  // ... and 32 more
        0xC0,
        // A second collection starts counting afresh.
        0x09,
        0x06,
        0xA1,
        0x01,
        0x85,
        0x04,
        0x95,
        0x01,
        0xB1,
        0x02,
        0xC0,
    };
    const ParsedDescriptor parsed = ParseReportDescriptor(bytes);
    ASSERT_EQ(parsed.error, DescriptorError::None);
    ASSERT_EQ(parsed.collections.size(), 2u);
    EXPECT_EQ(parsed.collections[0].featureReportByteLength, 65);
    EXPECT_EQ(parsed.collections[1].featureReportByteLength, 2);
}

TEST(ReportDescriptorTest, ItemsOutsideEveryCollectionAndCollectionsWithoutUsage) {
    const Bytes bytes = {
        0x75, 0x08, 0x95, 0x10, 0xB1, 0x02,  // feature outside a collection: nobody's
        0x05, 0x0C, 0xA1, 0x01,              // a collection without a usage
        0x95, 0x01, 0x81, 0x02, 0xC0,
    };
    const ParsedDescriptor parsed = ParseReportDescriptor(bytes);
    ASSERT_EQ(parsed.error, DescriptorError::None);
    ASSERT_EQ(parsed.collections.size(), 1u);
    EXPECT_EQ(parsed.collections[0], (CollectionReportLengths{0x0C, 0, 2, 0, 0}));
}

TEST(ReportDescriptorTest, ReportsUpToTheLongestLengthThatFitsAndNoLonger) {
    const Bytes head = {0x09, 0x01, 0xA1, 0x01, 0x75, 0x08};
    // 65534 bytes and the id: 0xFFFF.
    const ParsedDescriptor longest =
        ParseReportDescriptor(Join({head, {0x96, 0xFE, 0xFF, 0xB1, 0x02, 0xC0}}));
    ASSERT_EQ(longest.error, DescriptorError::None);
    EXPECT_EQ(longest.collections.at(0).featureReportByteLength, 0xFFFF);
    EXPECT_EQ(ErrorOf(Join({head, {0x96, 0xFF, 0xFF, 0xB1, 0x02, 0xC0}})),
              DescriptorError::ReportTooLong);
    // Two items that fit each but not together.
    EXPECT_EQ(ErrorOf(Join({head, {0x96, 0x00, 0x80, 0xB1, 0x02, 0xB1, 0x02, 0xC0}})),
              DescriptorError::ReportTooLong);
    // Size and count whose product overflows 32 bits.
    EXPECT_EQ(ErrorOf(Join({head,
                            {0x77, 0xFF, 0xFF, 0xFF, 0xFF, 0x97, 0xFF, 0xFF, 0xFF, 0xFF, 0xB1, 0x02,
                             0xC0}})),
              DescriptorError::ReportTooLong);
}

TEST(ReportDescriptorTest, BrokenDescriptorsGiveTheirErrorAndNoCollections) {
    const struct {
        const char* what;
        Bytes bytes;
        DescriptorError error;
    } cases[] = {
        {"empty", {}, DescriptorError::Empty},
        {"one-byte item without its byte", {0x05}, DescriptorError::TruncatedItem},
        {"four-byte item with two", {0x09, 0x01, 0x27, 0xFF, 0xFF}, DescriptorError::TruncatedItem},
        {"long item prefix alone", {0xFE}, DescriptorError::TruncatedItem},
        {"long item without its tag", {0xFE, 0x00}, DescriptorError::TruncatedItem},
        {"long item short of data", {0xFE, 0x05, 0x10, 0x01}, DescriptorError::TruncatedItem},
        {"long item claiming 255 bytes", {0xFE, 0xFF, 0x10}, DescriptorError::TruncatedItem},
        {"end collection first", {0xC0}, DescriptorError::UnbalancedCollections},
        {"collection left open",
         {0x09, 0x01, 0xA1, 0x01, 0xA1, 0x00, 0xC0},
         DescriptorError::UnbalancedCollections},
        {"one end collection too many",
         {0xA1, 0x01, 0xC0, 0xC0},
         DescriptorError::UnbalancedCollections},
        {"report id 0", {0xA1, 0x01, 0x85, 0x00, 0xC0}, DescriptorError::InvalidReportId},
        {"report id 256", {0xA1, 0x01, 0x86, 0x00, 0x01, 0xC0}, DescriptorError::InvalidReportId},
        {"pop without push", {0xA4, 0xB4, 0xB4}, DescriptorError::GlobalStackMisuse},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const ParsedDescriptor parsed = ParseReportDescriptor(c.bytes);
        EXPECT_EQ(parsed.error, c.error);
        EXPECT_TRUE(parsed.collections.empty());
    }
    const Bytes deepPushes(kMaxGlobalStackDepth + 1, 0xA4);
    EXPECT_EQ(ErrorOf(deepPushes), DescriptorError::GlobalStackMisuse);
    EXPECT_EQ(ErrorOf(Bytes(kMaxGlobalStackDepth, 0xA4)), DescriptorError::None);
}

// Cut anywhere, the mouse's descriptor is truncated mid-item, has a
// collection open, or holds the collections completed before the cut; never
// a stray read (the sanitizers watch each cut, in a buffer of its own length).
TEST(ReportDescriptorTest, EveryCutOfAGoodDescriptorFailsCleanlyOrHoldsTheFinishedCollections) {
    const ParsedDescriptor whole = ParseReportDescriptor(kMouseLike);
    for (std::size_t length = 1; length < kMouseLike.size(); ++length) {
        SCOPED_TRACE(length);
        const Bytes cut(kMouseLike.begin(), kMouseLike.begin() + length);
        const ParsedDescriptor parsed = ParseReportDescriptor(cut);
        if (parsed.error == DescriptorError::None) {
            const std::size_t finished = length >= kMouseDataCollection.size() ? 1 : 0;
            ASSERT_EQ(parsed.collections.size(), finished);
            EXPECT_TRUE(std::equal(parsed.collections.begin(), parsed.collections.end(),
                                   whole.collections.begin()));
            continue;
        }
        EXPECT_TRUE(parsed.error == DescriptorError::TruncatedItem ||
                    parsed.error == DescriptorError::UnbalancedCollections);
    }
}

}  // namespace
}  // namespace corvane::testing
