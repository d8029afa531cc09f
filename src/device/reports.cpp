#include "device/reports.h"

#include <algorithm>

namespace corvane {
namespace {

std::span<std::uint8_t, kScrambleBlockSize> BlockAt(std::span<std::uint8_t> report,
                                                    std::size_t offset) {
    return report.subspan(offset).first<kScrambleBlockSize>();
}

}  // namespace

CommandReport MakeCommandReport(std::uint8_t command, std::uint8_t reportRate,
                                std::uint8_t dpiStage) {
    CommandReport report{};
    report.reportId = kCommandReportId;
    std::copy(kCommandSignature.begin(), kCommandSignature.end(), report.signature);
    report.command = command;
    report.reportRate = reportRate;
    report.dpiStage = dpiStage;
    return report;
}

bool HasCommandSignature(const CommandReport& report) {
    return std::equal(kCommandSignature.begin(), kCommandSignature.end(), report.signature);
}

DataReport MakeDataReport(std::span<const std::uint8_t, kPageSize> page) {
    DataBytes bytes{};
    bytes[0] = kDataReportId;
    std::copy(page.begin(), page.end(), bytes.begin() + 1);
    return DataReportFromBytes(bytes);
}

void CopyPageOut(const DataReport& report, std::span<std::uint8_t, kPageSize> page) {
    const DataBytes bytes = ToBytes(report);
    std::copy(bytes.begin() + 1, bytes.end(), page.begin());
}

void ScrambleCommandReport(CommandBytes& report) {
    ScrambleBlock(BlockAt(report, kCommandBlockOffset));
}

void UnscrambleCommandReport(CommandBytes& report) {
    UnscrambleBlock(BlockAt(report, kCommandBlockOffset));
}

void ScrambleDataReport(DataBytes& report) {
    for (std::size_t g = 0; g < kDataGroupCount; ++g) {
        ScrambleBlock(BlockAt(report, DataBlockOffset(g)));
    }
}

void UnscrambleDataReport(DataBytes& report) {
    for (std::size_t g = 0; g < kDataGroupCount; ++g) {
        UnscrambleBlock(BlockAt(report, DataBlockOffset(g)));
    }
}

}  // namespace corvane
