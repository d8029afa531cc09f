// The two report layouts of the mouse's feature-report exchange: the 8-byte
// command report of the command channel and the 65-byte data report of the
// data channel, with the blocks of each that are scrambled.
#pragma once

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <span>

#include "device/scramble.h"
#include "settings/settings_record.h"

namespace corvane {

inline constexpr std::uint8_t kCommandReportId = 1;
inline constexpr std::uint8_t kDataReportId = 0;
inline constexpr std::array<std::uint8_t, 4> kCommandSignature = {0xAA, 0xCC, 0xEE, 0xDD};

// Command bytes: header and page reads have bit 7 set, writes clear.
inline constexpr std::uint8_t kCommandReadHeader = 0x80;
inline constexpr std::uint8_t kCommandWriteHeader = 0x00;
constexpr std::uint8_t ReadPageCommand(int page) {
    return static_cast<std::uint8_t>(kCommandReadHeader | page);
}
constexpr std::uint8_t WritePageCommand(int page) {
    return static_cast<std::uint8_t>(page);
}

struct CommandReport {
    std::uint8_t reportId;
    std::uint8_t signature[4];
    std::uint8_t command;
    std::uint8_t reportRate;  // header write and header read reply, else 0
    std::uint8_t dpiStage;    // header write and header read reply, else 0
};
inline constexpr std::size_t kCommandReportSize = 8;
static_assert(sizeof(CommandReport) == kCommandReportSize);
static_assert(offsetof(CommandReport, signature) == 1);
static_assert(offsetof(CommandReport, command) == 5);
static_assert(offsetof(CommandReport, reportRate) == 6);
static_assert(offsetof(CommandReport, dpiStage) == 7);

// Bytes 1-7 of a command report are one scramble block; the id stays plain.
inline constexpr std::size_t kCommandBlockOffset = 1;
static_assert(kCommandBlockOffset + kScrambleBlockSize == kCommandReportSize);

// One eighth of a data report: a plain byte, then a scrambled block.
struct DataGroup {
    std::uint8_t plain;
    std::uint8_t block[kScrambleBlockSize];
};
inline constexpr std::size_t kDataGroupCount = 8;
static_assert(sizeof(DataGroup) * kDataGroupCount == kPageSize);

struct DataReport {
    std::uint8_t reportId;
    DataGroup groups[kDataGroupCount];  // the 64 bytes of one page, in order
};
inline constexpr std::size_t kDataReportSize = 65;
static_assert(sizeof(DataReport) == kDataReportSize);
static_assert(offsetof(DataReport, groups) == 1);

// Report byte of the plain byte and of the block of data group g.
constexpr std::size_t DataPlainOffset(std::size_t group) {
    return 1 + sizeof(DataGroup) * group;
}
constexpr std::size_t DataBlockOffset(std::size_t group) {
    return DataPlainOffset(group) + 1;
}
static_assert(DataBlockOffset(kDataGroupCount - 1) + kScrambleBlockSize == kDataReportSize);

using CommandBytes = std::array<std::uint8_t, kCommandReportSize>;
using DataBytes = std::array<std::uint8_t, kDataReportSize>;

constexpr CommandBytes ToBytes(const CommandReport& report) {
    return std::bit_cast<CommandBytes>(report);
}
constexpr CommandReport CommandReportFromBytes(const CommandBytes& bytes) {
    return std::bit_cast<CommandReport>(bytes);
}
constexpr DataBytes ToBytes(const DataReport& report) {
    return std::bit_cast<DataBytes>(report);
}
constexpr DataReport DataReportFromBytes(const DataBytes& bytes) {
    return std::bit_cast<DataReport>(bytes);
}

// A command report with the signature.
CommandReport MakeCommandReport(std::uint8_t command, std::uint8_t reportRate = 0,
                                std::uint8_t dpiStage = 0);
bool HasCommandSignature(const CommandReport& report);

DataReport MakeDataReport(std::span<const std::uint8_t, kPageSize> page);
void CopyPageOut(const DataReport& report, std::span<std::uint8_t, kPageSize> page);

void ScrambleCommandReport(CommandBytes& report);
void UnscrambleCommandReport(CommandBytes& report);
void ScrambleDataReport(DataBytes& report);
void UnscrambleDataReport(DataBytes& report);

}  // namespace corvane
