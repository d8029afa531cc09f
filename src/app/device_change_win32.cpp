#include "app/device_change_win32.h"

#include <algorithm>

namespace corvane {
namespace {

std::uint32_t U32At(std::span<const std::uint8_t> bytes, std::size_t offset) {
    return static_cast<std::uint32_t>(bytes[offset]) |
           static_cast<std::uint32_t>(bytes[offset + 1]) << 8 |
           static_cast<std::uint32_t>(bytes[offset + 2]) << 16 |
           static_cast<std::uint32_t>(bytes[offset + 3]) << 24;
}

std::wstring PathAt(std::span<const std::uint8_t> record) {
    std::u16string units;
    for (std::size_t at = kInterfacePathOffset; at + 1 < record.size(); at += 2) {
        const char16_t unit = static_cast<char16_t>(record[at] | record[at + 1] << 8);
        if (unit == 0) {
            break;
        }
        units.push_back(unit);
    }
    // Device paths are plain ASCII; a unit outside it is kept as it is,
    // which is all the identifier test needs.
    std::wstring path;
    for (char16_t unit : units) {
        path.push_back(static_cast<wchar_t>(unit));
    }
    return path;
}

}  // namespace

bool IsMousePath(std::wstring_view path) {
    return std::any_of(std::begin(kMousePathForms), std::end(kMousePathForms),
                       [&](std::wstring_view form) { return path.find(form) != path.npos; });
}

std::optional<DeviceBroadcast> ParseDeviceBroadcast(std::span<const std::uint8_t> bytes) {
    if (bytes.size() < kBroadcastHeaderSize) {
        return std::nullopt;
    }
    const std::size_t stated = U32At(bytes, 0);
    if (stated < kBroadcastHeaderSize) {
        return std::nullopt;
    }
    const std::span<const std::uint8_t> record = bytes.first(std::min(stated, bytes.size()));
    DeviceBroadcast broadcast{U32At(record, 4), {}};
    if (broadcast.deviceType == kDeviceTypeInterface) {
        broadcast.path = PathAt(record);
    }
    return broadcast;
}

bool InterfaceEventCounter::Count() {
    ++count_;
    if (count_ < kEventsPerRediscovery) {
        return false;
    }
    count_ = 0;
    return true;
}

std::optional<DeviceEventKind> MouseInterfaceEvent(std::uint32_t event,
                                                   const BroadcastReader& readRecord) {
    if (event != kDeviceArrival && event != kDeviceRemoveComplete) {
        return std::nullopt;
    }
    const std::optional<DeviceBroadcast> record = readRecord();
    if (!record || record->deviceType != kDeviceTypeInterface || !IsMousePath(record->path)) {
        return std::nullopt;
    }
    return event == kDeviceArrival ? DeviceEventKind::Arrival : DeviceEventKind::Removal;
}

std::optional<DeviceEventKind> DeviceChangeFilter::Filter(std::uint32_t event,
                                                          const BroadcastReader& readRecord) {
    const std::optional<DeviceEventKind> kind = MouseInterfaceEvent(event, readRecord);
    if (!kind || !counter_.Count()) {
        return std::nullopt;
    }
    return kind;
}

std::optional<DeviceBroadcast> DeviceChangeFilter::RecordAt(LPARAM lParam) {
    if (lParam == 0) {
        return std::nullopt;
    }
    const auto* header = reinterpret_cast<const DEV_BROADCAST_HDR*>(lParam);
    const std::span<const std::uint8_t> record(reinterpret_cast<const std::uint8_t*>(header),
                                               header->dbch_size);
    return ParseDeviceBroadcast(record);
}

}  // namespace corvane
