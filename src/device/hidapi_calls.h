// The hidapi and sysfs calls the Linux HID port makes, behind one interface
// so that tests can stand in for the library and the file system.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace corvane {

// One entry of hid_enumerate: one collection of a device. A device with
// several collections gives several entries with the same path.
struct HidapiDeviceEntry {
    std::string path;  // the device node, e.g. "/dev/hidraw3"
    std::uint16_t vendorId = 0;
    std::uint16_t productId = 0;
    std::uint16_t releaseNumber = 0;
    std::uint16_t usagePage = 0;
    std::uint16_t usage = 0;
};

// An open device of the library (hid_device*); nullptr when none.
using HidapiDevice = void*;

class HidapiCalls {
  public:
    virtual ~HidapiCalls() = default;

    // hid_enumerate(0, 0): every collection of every present device. False
    // when the library cannot be started.
    virtual bool Enumerate(std::vector<HidapiDeviceEntry>& entries) = 0;
    // hid_open_path: nullptr and the errno value on failure.
    virtual HidapiDevice Open(const std::string& path, int& error) = 0;
    virtual void Close(HidapiDevice device) = 0;
    // hid_send_feature_report / hid_get_feature_report: byte 0 is the
    // report id; the number of bytes moved, or -1.
    virtual int SendFeatureReport(HidapiDevice device, std::span<const std::uint8_t> report) = 0;
    virtual int GetFeatureReport(HidapiDevice device, std::span<std::uint8_t> report) = 0;
    // The whole of a (sysfs) file; false when it cannot be read.
    virtual bool ReadFile(const std::string& path, std::vector<std::uint8_t>& bytes) = 0;
};

}  // namespace corvane
