// The HID calls that discovery and the feature-report protocol make, one by
// one, so that every failure step of discovery can happen. Implemented by the
// real SetupAPI/HID port (hid_port_win32.cpp), the hidapi port of Linux
// (hid_port_linux.cpp) and the simulated mouse.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>

namespace corvane {

// An open HID interface; kInvalidHidHandle (all bits set) when none.
using HidHandle = std::intptr_t;
inline constexpr HidHandle kInvalidHidHandle = -1;

// Parsed report descriptor of an open interface; released with
// FreePreparsedData.
using HidPreparsedData = std::intptr_t;

struct HidAttributes {
    std::uint16_t vendorId;
    std::uint16_t productId;
    std::uint16_t versionNumber;
};

struct HidCaps {
    std::uint16_t usage;
    std::uint16_t usagePage;
    std::uint16_t inputReportByteLength;
    std::uint16_t outputReportByteLength;
    std::uint16_t featureReportByteLength;
};

// How asking for one interface of the list went: the list may end, or fail
// at an index.
enum class HidListing { Listed, NoMoreItems, Failed };

// What reading the capabilities out of preparsed data gave.
enum class HidCapsStatus { Success, InvalidPreparsedData };

// What an open is for. Windows opens the data channel with the "normal" file
// attribute and everything else with none; other platforms open all alike.
enum class HidOpenPurpose { Query, CommandChannel, DataChannel };

class HidPort {
  public:
    virtual ~HidPort() = default;

    // Takes a snapshot of the present HID device interfaces. False when no
    // list can be obtained.
    virtual bool OpenInterfaceList() = 0;
    // Asks for the interface at `index` of the list.
    virtual HidListing EnumInterface(std::uint32_t index) = 0;
    // Fetches the detail record of the interface at `index`, the one
    // EnumInterface was last asked for: its device path. False when the
    // record cannot be read.
    virtual bool GetInterfacePath(std::uint32_t index, std::wstring& path) = 0;
    // Releases the snapshot.
    virtual void CloseInterfaceList() = 0;

    // Opens `path` without access rights, sharing read and write, existing
    // device only. Returns kInvalidHidHandle and the system error on failure
    // (GetLastError on Windows, errno on Linux).
    virtual HidHandle Open(const std::wstring& path, HidOpenPurpose purpose,
                           std::uint32_t& lastError) = 0;
    // Opens `path` only to read its attributes and capabilities. Where the
    // platform tells these without access to the device (Linux: the
    // enumeration and sysfs), this succeeds without it, so that devices the
    // user may not open do not stop a search; elsewhere it is Open without
    // flags.
    virtual HidHandle OpenForQuery(const std::wstring& path, std::uint32_t& lastError) {
        return Open(path, HidOpenPurpose::Query, lastError);
    }
    virtual void Close(HidHandle handle) = 0;
    // True when an open failed with `openError` because this user may not
    // use the device, which the platform grants through an access rule it
    // installs once (Linux: the udev rule kAccessRuleFileName); false where
    // no such rule helps.
    virtual bool NeedsAccessRule(std::uint32_t /*openError*/) const { return false; }

    virtual bool GetAttributes(HidHandle handle, HidAttributes& attributes) = 0;
    virtual bool GetPreparsedData(HidHandle handle, HidPreparsedData& data) = 0;
    virtual void FreePreparsedData(HidPreparsedData data) = 0;
    // Fills `caps` on success.
    virtual HidCapsStatus GetCaps(HidPreparsedData data, HidCaps& caps) = 0;

    // Feature report exchange; `report` byte 0 is the report id. A failed get
    // leaves the buffer as it was.
    virtual bool SetFeature(HidHandle handle, std::span<const std::uint8_t> report) = 0;
    virtual bool GetFeature(HidHandle handle, std::span<std::uint8_t> report) = 0;
};

// The rule that gives the user at the seat access to the mouse on Linux
// (shipped in dist/linux/).
inline constexpr char kAccessRuleFileName[] = "70-corvane.rules";

// The platform's port to the HID devices: SetupAPI and the HID library on
// Windows, hidapi's hidraw back end on Linux.
std::unique_ptr<HidPort> MakePlatformHidPort();

}  // namespace corvane
