// The simulated mouse's memory: 322 bytes in image order, its factory
// contents, the file it may be kept in, and the device's own report
// scrambling, written apart from the program's on purpose so that a fault in
// the one cannot hide itself in the other.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace corvane {

inline constexpr std::size_t kSimulatedMemorySize = 322;
using SimulatedMemory = std::array<std::uint8_t, kSimulatedMemorySize>;

// Report lengths on the mouse's channels, report id included.
inline constexpr std::size_t kSimulatedCommandLength = 8;
inline constexpr std::size_t kSimulatedDataLength = 65;

// The memory a new mouse of this sensor type holds.
SimulatedMemory FactorySimulatedMemory(std::uint8_t sensorType);

// The memory kept in `file`; none unless the file holds exactly 322 bytes.
std::optional<SimulatedMemory> ReadSimulatedMemoryFile(const std::wstring& file);
void WriteSimulatedMemoryFile(const std::wstring& file, const SimulatedMemory& memory);

// The wire transform of one 7-byte block, as the device does it.
void SimulatorScramble(std::uint8_t* block);
void SimulatorUnscramble(std::uint8_t* block);
// A 65-byte data report: its eight blocks from byte 2 on, the byte after
// each block left plain.
void SimulatorScrambleData(std::uint8_t* report);
void SimulatorUnscrambleData(std::uint8_t* report);

}  // namespace corvane
