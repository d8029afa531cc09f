#include "device/report_descriptor.h"

#include <algorithm>
#include <array>
#include <optional>

namespace corvane {
namespace {

// Item prefixes with their size bits cleared.
inline constexpr std::uint8_t kInput = 0x80;
inline constexpr std::uint8_t kOutput = 0x90;
inline constexpr std::uint8_t kFeature = 0xB0;
inline constexpr std::uint8_t kCollection = 0xA0;
inline constexpr std::uint8_t kEndCollection = 0xC0;
inline constexpr std::uint8_t kUsagePage = 0x04;
inline constexpr std::uint8_t kReportSize = 0x74;
inline constexpr std::uint8_t kReportId = 0x84;
inline constexpr std::uint8_t kReportCount = 0x94;
inline constexpr std::uint8_t kPush = 0xA4;
inline constexpr std::uint8_t kPop = 0xB4;
inline constexpr std::uint8_t kUsage = 0x08;

inline constexpr std::uint8_t kLongItemPrefix = 0xFE;
inline constexpr std::size_t kLongItemHeaderSize = 3;  // prefix, data size, tag
// Data bytes of a short item by the two low bits of its prefix.
inline constexpr std::array<std::size_t, 4> kShortItemDataSize = {0, 1, 2, 4};

// The byte length has to fit 16 bits, one byte of which is the report id.
inline constexpr std::uint64_t kMaxReportBits = (0xFFFFull - 1) * 8;
inline constexpr std::uint32_t kMaxReportId = 255;

struct Item {
    std::uint8_t prefix = 0;  // size bits cleared; kLongItemPrefix for a long item
    std::size_t dataSize = 0;
    std::uint32_t data = 0;  // short items only, little-endian, unsigned
};

// The item at `pos`, or nothing when it does not fit in the descriptor.
std::optional<Item> ReadItem(std::span<const std::uint8_t> bytes, std::size_t pos) {
    const std::size_t left = bytes.size() - pos;
    if (bytes[pos] == kLongItemPrefix) {
        if (left < kLongItemHeaderSize || left - kLongItemHeaderSize < bytes[pos + 1]) {
            return std::nullopt;
        }
        return Item{kLongItemPrefix, kLongItemHeaderSize - 1 + bytes[pos + 1], 0};
    }
    Item item{static_cast<std::uint8_t>(bytes[pos] & 0xFC), kShortItemDataSize[bytes[pos] & 3], 0};
    if (left - 1 < item.dataSize) {
        return std::nullopt;
    }
    for (std::size_t i = item.dataSize; i > 0; --i) {
        item.data = (item.data << 8) | bytes[pos + i];
    }
    return item;
}

enum ReportKind : std::size_t { kInputReport, kOutputReport, kFeatureReport, kReportKinds };

struct Globals {
    std::uint16_t usagePage = 0;
    std::uint32_t reportSize = 0;
    std::uint32_t reportCount = 0;
    std::uint32_t reportId = 0;  // 0: the descriptor declares no report ids (so far)
};

// The usage a collection takes: a four-byte Usage names its own page, a
// shorter one takes the page in effect when the collection starts.
struct PendingUsage {
    std::uint16_t usage = 0;
    std::optional<std::uint16_t> page;
};

std::uint16_t ByteLength(std::uint32_t bits) {
    return bits == 0 ? 0 : static_cast<std::uint16_t>((bits + 7) / 8 + 1);
}

class DescriptorParser {
  public:
    explicit DescriptorParser(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    ParsedDescriptor Run() {
        if (bytes_.empty()) {
            return {DescriptorError::Empty, {}};
        }
        for (std::size_t pos = 0; pos < bytes_.size();) {
            const std::optional<Item> item = ReadItem(bytes_, pos);
            if (!item) {
                return {DescriptorError::TruncatedItem, {}};
            }
            if (const DescriptorError error = Apply(*item); error != DescriptorError::None) {
                return {error, {}};
            }
            pos += 1 + item->dataSize;
        }
        if (depth_ != 0) {
            return {DescriptorError::UnbalancedCollections, {}};
        }
        return {DescriptorError::None, std::move(collections_)};
    }

  private:
    DescriptorError Apply(const Item& item) {
        switch (item.prefix) {
            case kInput:
                return EndMainItem(AddReportBits(kInputReport));
            case kOutput:
                return EndMainItem(AddReportBits(kOutputReport));
            case kFeature:
                return EndMainItem(AddReportBits(kFeatureReport));
            case kCollection:
                OpenCollection();
                return EndMainItem(DescriptorError::None);
            case kEndCollection:
                return EndMainItem(CloseCollection());
            case kUsage:
                usage_ = item.dataSize == 4
                             ? PendingUsage{static_cast<std::uint16_t>(item.data & 0xFFFF),
                                            static_cast<std::uint16_t>(item.data >> 16)}
                             : PendingUsage{static_cast<std::uint16_t>(item.data), std::nullopt};
                return DescriptorError::None;
            default:  // global items, and the rest: other local, long and reserved items
                return ApplyGlobal(item);
        }
    }

    DescriptorError ApplyGlobal(const Item& item) {
        switch (item.prefix) {
            case kUsagePage:
                globals_.usagePage = static_cast<std::uint16_t>(item.data);
                break;
            case kReportSize:
                globals_.reportSize = item.data;
                break;
            case kReportCount:
                globals_.reportCount = item.data;
                break;
            case kReportId:
                if (item.data == 0 || item.data > kMaxReportId) {
                    return DescriptorError::InvalidReportId;
                }
                globals_.reportId = item.data;
                break;
            case kPush:
                if (stack_.size() == kMaxGlobalStackDepth) {
                    return DescriptorError::GlobalStackMisuse;
                }
                stack_.push_back(globals_);
                break;
            case kPop:
                if (stack_.empty()) {
                    return DescriptorError::GlobalStackMisuse;
                }
                globals_ = stack_.back();
                stack_.pop_back();
                break;
            default:  // items that do not change a report's length
                break;
        }
        return DescriptorError::None;
    }

    // Local items such as the usage apply to the next main item only.
    DescriptorError EndMainItem(DescriptorError error) {
        usage_.reset();
        return error;
    }

    // Data items outside every collection belong to no interface and are
    // not counted.
    DescriptorError AddReportBits(ReportKind kind) {
        if (depth_ == 0) {
            return DescriptorError::None;
        }
        const std::uint64_t added =
            std::uint64_t{globals_.reportSize} * std::uint64_t{globals_.reportCount};
        std::uint32_t& bits = bits_[kind][globals_.reportId];
        if (added > kMaxReportBits - bits) {
            return DescriptorError::ReportTooLong;
        }
        bits += static_cast<std::uint32_t>(added);
        return DescriptorError::None;
    }

    void OpenCollection() {
        if (depth_++ != 0) {
            return;
        }
        current_ = CollectionReportLengths{};
        if (usage_) {
            current_.usage = usage_->usage;
            current_.usagePage = usage_->page.value_or(globals_.usagePage);
        } else {
            current_.usagePage = globals_.usagePage;
        }
        bits_ = {};
    }

    DescriptorError CloseCollection() {
        if (depth_ == 0) {
            return DescriptorError::UnbalancedCollections;
        }
        if (--depth_ == 0) {
            current_.inputReportByteLength = LongestReport(kInputReport);
            current_.outputReportByteLength = LongestReport(kOutputReport);
            current_.featureReportByteLength = LongestReport(kFeatureReport);
            collections_.push_back(current_);
        }
        return DescriptorError::None;
    }

    std::uint16_t LongestReport(ReportKind kind) const {
        const auto& perId = bits_[kind];
        return ByteLength(*std::max_element(perId.begin(), perId.end()));
    }

    std::span<const std::uint8_t> bytes_;
    Globals globals_;
    std::vector<Globals> stack_;
    std::optional<PendingUsage> usage_;
    std::size_t depth_ = 0;
    CollectionReportLengths current_;
    // Bits of each report of the open top-level collection, by kind and id.
    std::array<std::array<std::uint32_t, kMaxReportId + 1>, kReportKinds> bits_{};
    std::vector<CollectionReportLengths> collections_;
};

}  // namespace

ParsedDescriptor ParseReportDescriptor(std::span<const std::uint8_t> descriptor) {
    return DescriptorParser(descriptor).Run();
}

}  // namespace corvane
