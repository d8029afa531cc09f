// A HID report descriptor read for what the interface capabilities report:
// per top-level collection its usage page and usage and the byte length of
// its largest input, output and feature report. As Windows counts them, a
// length includes the report id byte even when the descriptor declares no
// report ids, and is 0 when the collection has no report of that kind.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace corvane {

struct CollectionReportLengths {
    std::uint16_t usagePage = 0;
    std::uint16_t usage = 0;
    std::uint16_t inputReportByteLength = 0;
    std::uint16_t outputReportByteLength = 0;
    std::uint16_t featureReportByteLength = 0;
    friend bool operator==(const CollectionReportLengths&,
                           const CollectionReportLengths&) = default;
};

enum class DescriptorError {
    None,
    Empty,                  // no bytes at all
    TruncatedItem,          // an item's data runs past the end
    UnbalancedCollections,  // an End Collection without a Collection, or one left open
    ReportTooLong,          // a report longer than a 16-bit byte length can state
    InvalidReportId,        // report id 0 or above 255
    GlobalStackMisuse,      // Pop without Push, or Pushes nested too deep
};

struct ParsedDescriptor {
    DescriptorError error = DescriptorError::None;
    // In descriptor order; empty whenever `error` is set.
    std::vector<CollectionReportLengths> collections;
};

// How deep Push items may nest.
inline constexpr std::size_t kMaxGlobalStackDepth = 16;

ParsedDescriptor ParseReportDescriptor(std::span<const std::uint8_t> descriptor);

}  // namespace corvane
