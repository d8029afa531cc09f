#include "device/simulator/simulated_memory.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "meaning/factory_settings.h"
#include "settings/dpi_table.h"
#include "settings/settings_record.h"

namespace corvane {
namespace {

// The transform, on the block as one 56-bit number (first byte on top).
constexpr std::uint64_t kKey56 = 0x3D91C40E7A25B8ULL;
constexpr std::uint64_t kMask56 = (std::uint64_t{1} << 56) - 1;

std::uint64_t Pack56(const std::uint8_t* bytes) {
    std::uint64_t value = 0;
    for (int i = 0; i < 7; ++i) {
        value = (value << 8) | bytes[i];
    }
    return value;
}

void Unpack56(std::uint64_t value, std::uint8_t* bytes) {
    for (int i = 6; i >= 0; --i) {
        bytes[i] = static_cast<std::uint8_t>(value & 0xFF);
        value >>= 8;
    }
}

std::uint64_t RotateLeft56(std::uint64_t value, unsigned bits) {
    return ((value << bits) | (value >> (56 - bits))) & kMask56;
}

std::uint64_t RotateRight56(std::uint64_t value, unsigned bits) {
    return RotateLeft56(value, 56 - bits);
}

}  // namespace

void SimulatorScramble(std::uint8_t* block) {
    Unpack56(RotateRight56(RotateLeft56(Pack56(block), 2) ^ kKey56, 3), block);
}

void SimulatorUnscramble(std::uint8_t* block) {
    Unpack56(RotateRight56(RotateLeft56(Pack56(block), 3) ^ kKey56, 2), block);
}

namespace {

// Data reports: the byte after every eighth stays plain.
void ForEachDataBlock(std::uint8_t* report, void (*transform)(std::uint8_t*)) {
    for (std::size_t offset = 2; offset + 7 <= kSimulatedDataLength; offset += 8) {
        transform(report + offset);
    }
}

}  // namespace

void SimulatorScrambleData(std::uint8_t* report) {
    ForEachDataBlock(report, SimulatorScramble);
}

void SimulatorUnscrambleData(std::uint8_t* report) {
    ForEachDataBlock(report, SimulatorUnscramble);
}

SimulatedMemory FactorySimulatedMemory(std::uint8_t sensorType) {
    DeviceImage image{};
    image.reportRate = 1;  // 1000 Hz
    image.dpiStage = 1;
    for (int p = 1; p <= 2; ++p) {
        auto page = image.page(p);
        for (std::size_t k = 0; k < page.size(); ++k) {
            page[k] = static_cast<std::uint8_t>(0x40 * p + 3 * k);
        }
    }
    constexpr ButtonEntry kButtons[kButtonSlots] = {{0xF0, 0}, {0xF1, 0}, {0xF2, 0}, {0xF3, 0},
                                                    {0xF4, 0}, {5, 3},    {0, 0},    {0, 0}};
    std::copy(std::begin(kButtons), std::end(kButtons), image.page3.buttonTable0);
    std::copy(std::begin(kButtons), std::end(kButtons), image.page3.buttonTable1);
    image.page4.sensorType = sensorType;
    image.page4.enabledStageCount = 3;
    image.page4.ledMode = 2;
    image.page4.ledParam = 3;
    image.page4.fireMakeTime = 10;
    image.page4.fireBreakTime = 10;
    const auto choices = DpiChoicesOf(sensorType);
    for (int s = 0; s < kDpiStages; ++s) {
        const std::size_t level = kDefaultDpiLevels[static_cast<std::size_t>(s)];
        image.page4.dpiCode[s] = level < choices.size() ? choices[level].code
                                                        : static_cast<std::uint8_t>(0x10 * (s + 1));
    }
    image.page4.snipeDpiCode = choices.empty() ? 0x08 : choices.front().code;
    WriteDefaultDeviceTables(image);
    SimulatedMemory memory{};
    std::copy(image.bytes().begin(), image.bytes().end(), memory.begin());
    return memory;
}

std::optional<SimulatedMemory> ReadSimulatedMemoryFile(const std::wstring& file) {
    std::ifstream in(std::filesystem::path(file), std::ios::binary);
    SimulatedMemory stored{};
    if (in.read(reinterpret_cast<char*>(stored.data()), stored.size()) &&
        in.peek() == std::ifstream::traits_type::eof()) {
        return stored;
    }
    return std::nullopt;
}

void WriteSimulatedMemoryFile(const std::wstring& file, const SimulatedMemory& memory) {
    std::ofstream out(std::filesystem::path(file), std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(memory.data()), memory.size());
}

}  // namespace corvane
