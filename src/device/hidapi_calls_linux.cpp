// The calls of the Linux HID port on the hidapi library (hidraw back end)
// and the file system.
#include <hidapi.h>
#include <unistd.h>

#include <cerrno>
#include <fstream>

#include "device/hid_port_linux.h"

namespace corvane {
namespace {

// A report descriptor is at most 4096 bytes; anything far larger is not one.
inline constexpr std::size_t kMaxFileBytes = 1 << 16;

hid_device* ToDevice(HidapiDevice device) {
    return static_cast<hid_device*>(device);
}

// hidapi formats its own error text after a failed open, which may change
// errno; when the node itself refuses the user, say so reliably.
int OpenErrorOf(const std::string& path, int errorAfterOpen) {
    if (access(path.c_str(), R_OK | W_OK) != 0) {
        return errno;
    }
    return errorAfterOpen != 0 ? errorAfterOpen : EIO;
}

class HidapiLibraryCalls final : public HidapiCalls {
  public:
    bool Enumerate(std::vector<HidapiDeviceEntry>& entries) override {
        if (hid_init() != 0) {
            return false;
        }
        hid_device_info* list = hid_enumerate(0x0000, 0x0000);
        for (const hid_device_info* d = list; d != nullptr; d = d->next) {
            if (d->path != nullptr) {
                entries.push_back({d->path, d->vendor_id, d->product_id, d->release_number,
                                   d->usage_page, d->usage});
            }
        }
        hid_free_enumeration(list);
        return true;
    }

    HidapiDevice Open(const std::string& path, int& error) override {
        errno = 0;
        hid_device* device = hid_open_path(path.c_str());
        if (device == nullptr) {
            error = OpenErrorOf(path, errno);
        }
        return device;
    }

    void Close(HidapiDevice device) override { hid_close(ToDevice(device)); }

    int SendFeatureReport(HidapiDevice device, std::span<const std::uint8_t> report) override {
        return hid_send_feature_report(ToDevice(device), report.data(), report.size());
    }

    int GetFeatureReport(HidapiDevice device, std::span<std::uint8_t> report) override {
        return hid_get_feature_report(ToDevice(device), report.data(), report.size());
    }

    bool ReadFile(const std::string& path, std::vector<std::uint8_t>& bytes) override {
        std::ifstream file(path, std::ios::binary);
        if (!file) {
            return false;
        }
        bytes.clear();
        char chunk[4096];
        while (file.read(chunk, sizeof chunk) || file.gcount() > 0) {
            bytes.insert(bytes.end(), chunk, chunk + file.gcount());
            if (bytes.size() > kMaxFileBytes) {
                return false;
            }
        }
        return file.eof();
    }
};

}  // namespace

std::unique_ptr<HidapiCalls> MakeHidapiLibraryCalls() {
    return std::make_unique<HidapiLibraryCalls>();
}

}  // namespace corvane
