// Report layouts: the named fields against their bytes, the round trip of
// every conversion, and captured wire bytes beside what they mean.
#include <gtest/gtest.h>

#include <random>

#include "device/reports.h"

namespace corvane {
namespace {

TEST(ReportsTest, CommandReportFieldsLieWhereTheWireHasThem) {
    const CommandBytes bytes = ToBytes(MakeCommandReport(kCommandWriteHeader, 0x08, 0x02));
    EXPECT_EQ(bytes, (CommandBytes{0x01, 0xAA, 0xCC, 0xEE, 0xDD, 0x00, 0x08, 0x02}));
    EXPECT_EQ(ReadPageCommand(1), 0x81);
    EXPECT_EQ(ReadPageCommand(5), 0x85);
    EXPECT_EQ(WritePageCommand(3), 0x03);
}

TEST(ReportsTest, ConversionsRoundTripOnRandomBytes) {
    std::mt19937 random(7);
    std::uniform_int_distribution<int> byte(0, 255);
    for (int n = 0; n < 200; ++n) {
        CommandBytes command;
        DataBytes data;
        for (auto& b : command) {
            b = static_cast<std::uint8_t>(byte(random));
        }
        for (auto& b : data) {
            b = static_cast<std::uint8_t>(byte(random));
        }
        ASSERT_EQ(ToBytes(CommandReportFromBytes(command)), command);
        ASSERT_EQ(ToBytes(DataReportFromBytes(data)), data);
        std::array<std::uint8_t, kPageSize> page{};
        CopyPageOut(DataReportFromBytes(data), page);
        DataBytes rebuilt = ToBytes(MakeDataReport(page));
        rebuilt[0] = data[0];
        ASSERT_EQ(rebuilt, data);
    }
}

TEST(ReportsTest, SignatureCheckLooksAtBytesOneToFourOnly) {
    CommandReport report = MakeCommandReport(kCommandReadHeader);
    EXPECT_TRUE(HasCommandSignature(report));
    report.reportId = 2;
    EXPECT_TRUE(HasCommandSignature(report));
    for (int i = 0; i < 4; ++i) {
        CommandReport bad = MakeCommandReport(kCommandReadHeader);
        bad.signature[i] ^= 0x01;
        EXPECT_FALSE(HasCommandSignature(bad)) << i;
    }
}

struct CapturedCommand {
    CommandBytes wire;
    std::uint8_t command;
    std::uint8_t reportRate;
    std::uint8_t dpiStage;
    const char* meaning;
};

// Command reports as the simulated mouse's wire log shows them.
constexpr CapturedCommand kCaptured[] = {
    {{0x01, 0x52, 0xD4, 0x4F, 0xEF, 0x0F, 0x44, 0xB7}, 0x80, 0, 0, "read header"},
    {{0x01, 0x52, 0xD4, 0x4F, 0xEF, 0x0F, 0x40, 0xB6}, 0x80, 8, 2, "header reply: 125 Hz, stage 2"},
    {{0x01, 0x52, 0xD4, 0x4F, 0xEF, 0x0E, 0xC4, 0xB7}, 0x83, 0, 0, "read page 3"},
    {{0x01, 0xD2, 0xD4, 0x4F, 0xEF, 0x4F, 0x46, 0xB7}, 0x00, 4, 1, "write header: 250 Hz, stage 1"},
    {{0x01, 0x52, 0xD4, 0x4F, 0xEF, 0x4D, 0xC4, 0xB7}, 0x05, 0, 0, "write page 5"},
};

TEST(ReportsTest, CapturedCommandReportsDecodeToTheirMeaning) {
    for (const CapturedCommand& c : kCaptured) {
        CommandBytes bytes = c.wire;
        UnscrambleCommandReport(bytes);
        const CommandReport report = CommandReportFromBytes(bytes);
        EXPECT_EQ(report.reportId, kCommandReportId) << c.meaning;
        EXPECT_TRUE(HasCommandSignature(report)) << c.meaning;
        EXPECT_EQ(report.command, c.command) << c.meaning;
        EXPECT_EQ(report.reportRate, c.reportRate) << c.meaning;
        EXPECT_EQ(report.dpiStage, c.dpiStage) << c.meaning;

        CommandBytes encoded = ToBytes(MakeCommandReport(c.command, c.reportRate, c.dpiStage));
        ScrambleCommandReport(encoded);
        EXPECT_EQ(encoded, c.wire) << c.meaning;
    }
}

}  // namespace
}  // namespace corvane
