// Device-change broadcast records read within their own size, the two path
// forms and the count of four, as the window's filter hands them on.
#include "app/device_change_win32.h"

#include <gtest/gtest.h>

#include <vector>

namespace corvane {
namespace {

// A record as the system lays it out: size, type, reserved, class id, path.
std::vector<std::uint8_t> InterfaceRecord(const std::u16string& path, bool terminated = true,
                                          std::uint32_t type = kDeviceTypeInterface) {
    std::vector<std::uint8_t> bytes(kInterfacePathOffset, 0);
    for (char16_t unit : path) {
        bytes.push_back(static_cast<std::uint8_t>(unit & 0xFF));
        bytes.push_back(static_cast<std::uint8_t>(unit >> 8));
    }
    if (terminated) {
        bytes.push_back(0);
        bytes.push_back(0);
    }
    const auto size = static_cast<std::uint32_t>(bytes.size());
    for (int i = 0; i < 4; ++i) {
        bytes[i] = static_cast<std::uint8_t>(size >> (8 * i));
        bytes[4 + i] = static_cast<std::uint8_t>(type >> (8 * i));
    }
    return bytes;
}

TEST(DeviceBroadcastRecord, PathIsReadUpToItsEnd) {
    const auto record = InterfaceRecord(u"\\\\?\\HID#VID_04D9&PID_A09E#1");
    const auto parsed = ParseDeviceBroadcast(record);
    ASSERT_TRUE(parsed);
    EXPECT_EQ(parsed->deviceType, kDeviceTypeInterface);
    EXPECT_EQ(parsed->path, L"\\\\?\\HID#VID_04D9&PID_A09E#1");
}

TEST(DeviceBroadcastRecord, NothingBeyondTheStatedSizeIsRead) {
    auto record = InterfaceRecord(u"\\\\?\\HID#VID_04D9&PID_A0", false);
    // Bytes after the record that would complete the identifier.
    for (char16_t unit : std::u16string(u"9E#1")) {
        record.push_back(static_cast<std::uint8_t>(unit));
        record.push_back(0);
    }
    const auto parsed = ParseDeviceBroadcast(record);
    ASSERT_TRUE(parsed);
    EXPECT_EQ(parsed->path, L"\\\\?\\HID#VID_04D9&PID_A0");
    EXPECT_FALSE(IsMousePath(parsed->path));
}

TEST(DeviceBroadcastRecord, SizeLargerThanTheBufferIsCutToTheBuffer) {
    auto record = InterfaceRecord(u"ABC", false);
    record[0] = 0xFF;
    record[1] = 0xFF;
    EXPECT_EQ(ParseDeviceBroadcast(record)->path, L"ABC");
}

TEST(DeviceBroadcastRecord, ShortOrOtherRecords) {
    EXPECT_FALSE(ParseDeviceBroadcast(std::vector<std::uint8_t>(8, 0)));
    std::vector<std::uint8_t> tiny(32, 0);
    tiny[0] = 4;  // states a size below the header
    EXPECT_FALSE(ParseDeviceBroadcast(tiny));
    const auto volume = InterfaceRecord(u"VID_04D9&PID_A09E", true, 2);
    EXPECT_EQ(ParseDeviceBroadcast(volume)->deviceType, 2u);
    EXPECT_TRUE(ParseDeviceBroadcast(volume)->path.empty());
    std::vector<std::uint8_t> header(kBroadcastHeaderSize, 0);
    header[0] = kBroadcastHeaderSize;
    header[4] = kDeviceTypeInterface;
    EXPECT_TRUE(ParseDeviceBroadcast(header)->path.empty());
}

TEST(MousePath, OnlyTheTwoExactFormsMatch) {
    EXPECT_TRUE(IsMousePath(L"\\\\?\\HID#VID_04D9&PID_A09E&MI_01#x"));
    EXPECT_TRUE(IsMousePath(L"\\\\?\\hid#Vid_04d9&Pid_a09e&mi_01#x"));
    EXPECT_FALSE(IsMousePath(L"\\\\?\\hid#vid_04d9&pid_a09e&mi_01#x"));
    EXPECT_FALSE(IsMousePath(L"\\\\?\\HID#VID_04d9&PID_a09e#x"));
    EXPECT_FALSE(IsMousePath(L"\\\\?\\HID#VID_046D&PID_C077#x"));
    EXPECT_FALSE(IsMousePath(L""));
}

BroadcastReader Record(std::optional<DeviceBroadcast> record) {
    return [record] { return record; };
}

TEST(MouseInterfaceEvents, ArrivalsAndCompletedRemovalsOfTheMouseOnly) {
    const auto mouse = Record(DeviceBroadcast{kDeviceTypeInterface, L"HID#VID_04D9&PID_A09E"});
    EXPECT_EQ(MouseInterfaceEvent(kDeviceArrival, mouse), DeviceEventKind::Arrival);
    EXPECT_EQ(MouseInterfaceEvent(kDeviceRemoveComplete, mouse), DeviceEventKind::Removal);
    EXPECT_FALSE(MouseInterfaceEvent(0x8001, mouse));
    EXPECT_FALSE(MouseInterfaceEvent(0x8003, mouse));
    EXPECT_FALSE(MouseInterfaceEvent(kDeviceArrival, Record(std::nullopt)));
    EXPECT_FALSE(
        MouseInterfaceEvent(kDeviceArrival, Record(DeviceBroadcast{3, L"HID#VID_04D9&PID_A09E"})));
}

// Other event codes carry other data in the same parameter (or nothing, or
// whatever an in-process sender put there): it must not be read as a record.
TEST(MouseInterfaceEvents, TheRecordIsReadOnlyForArrivalsAndCompletedRemovals) {
    std::vector<std::uint32_t> read;
    for (const std::uint32_t event : {0x0007u, 0x0018u, 0x8001u, 0x8002u, 0x8003u, 0x8005u, 0x8006u,
                                      0xFFFFu, kDeviceArrival, kDeviceRemoveComplete}) {
        MouseInterfaceEvent(event, [&, event] {
            read.push_back(event);
            return std::optional<DeviceBroadcast>();
        });
    }
    EXPECT_EQ(read, (std::vector<std::uint32_t>{kDeviceArrival, kDeviceRemoveComplete}));
}

TEST(InterfaceEventCounter, EveryFourthEventAndThenAgain) {
    InterfaceEventCounter counter;
    std::vector<bool> due;
    for (int i = 0; i < 9; ++i) {
        due.push_back(counter.Count());
    }
    EXPECT_EQ(due,
              (std::vector<bool>{false, false, false, true, false, false, false, true, false}));
    EXPECT_EQ(counter.count(), 1);
}

const std::wstring kUpperPath =
    L"\\\\?\\HID#VID_04D9&PID_A09E&MI_01&Col02#8&1c2a3b4d&0&0001#{4d1e55b2-f16f-11cf-88cb-"
    L"001111000030}";
const std::wstring kMixedPath = L"\\\\?\\hid#Vid_04d9&Pid_a09e&mi_01#8&1c2a3b4d&0&0000#{x}";
const std::wstring kLowerPath = L"\\\\?\\hid#vid_04d9&pid_a09e&mi_01#8&1c2a3b4d&0&0000#{x}";

BroadcastReader Interface(std::wstring path) {
    return Record(DeviceBroadcast{kDeviceTypeInterface, std::move(path)});
}

TEST(DeviceChangeFilter, ThreeArrivalsAndOneRemovalAreHandedOnAsARemoval) {
    DeviceChangeFilter filter;
    EXPECT_FALSE(filter.Filter(kDeviceArrival, Interface(kUpperPath)));
    EXPECT_FALSE(filter.Filter(kDeviceArrival, Interface(kMixedPath)));
    EXPECT_FALSE(filter.Filter(kDeviceArrival, Interface(kUpperPath)));
    EXPECT_EQ(filter.interfaceEventCount(), 3);
    EXPECT_EQ(filter.Filter(kDeviceRemoveComplete, Interface(kUpperPath)),
              DeviceEventKind::Removal);
    EXPECT_EQ(filter.interfaceEventCount(), 0);
    for (int i = 0; i < 3; ++i) {
        EXPECT_FALSE(filter.Filter(kDeviceRemoveComplete, Interface(kUpperPath)));
    }
    EXPECT_EQ(filter.Filter(kDeviceArrival, Interface(kUpperPath)), DeviceEventKind::Arrival);
}

TEST(DeviceChangeFilter, OnlyTheTwoExactPathFormsOfInterfaceEventsAreCounted) {
    DeviceChangeFilter filter;
    filter.Filter(kDeviceArrival, Interface(kLowerPath));
    filter.Filter(kDeviceArrival, Interface(L"\\\\?\\HID#VID_04D9&Pid_a09e#{x}"));
    filter.Filter(kDeviceArrival, Record(DeviceBroadcast{2, L""}));  // a volume
    filter.Filter(kDeviceArrival, Record(std::nullopt));
    filter.Filter(0x8001, Interface(kUpperPath));  // removal query
    filter.Filter(0x0007, Interface(kUpperPath));  // devnodes changed
    EXPECT_EQ(filter.interfaceEventCount(), 0);
}

}  // namespace
}  // namespace corvane
