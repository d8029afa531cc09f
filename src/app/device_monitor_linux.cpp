#include <libudev.h>

#include "app/device_monitor.h"

namespace corvane {
namespace {

// Events after udev's rules ran; "kernel" ones come before the node has its
// access rights.
constexpr char kUdevSource[] = "udev";
constexpr char kHidSubsystem[] = "hid";
constexpr char kHidIdProperty[] = "HID_ID";

std::string TextOr(const char* text) {
    return text != nullptr ? std::string(text) : std::string();
}

class LibudevCalls final : public UdevCalls {
  public:
    ~LibudevCalls() override {
        if (monitor_ != nullptr) {
            udev_monitor_unref(monitor_);
        }
        if (udev_ != nullptr) {
            udev_unref(udev_);
        }
    }

    bool NewContext() override {
        udev_ = udev_new();
        return udev_ != nullptr;
    }
    bool NewMonitor() override {
        monitor_ = udev_monitor_new_from_netlink(udev_, kUdevSource);
        return monitor_ != nullptr;
    }
    bool FilterSubsystem(const std::string& subsystem) override {
        return udev_monitor_filter_add_match_subsystem_devtype(monitor_, subsystem.c_str(),
                                                               nullptr) >= 0;
    }
    bool EnableReceiving() override { return udev_monitor_enable_receiving(monitor_) >= 0; }
    int Descriptor() override { return udev_monitor_get_fd(monitor_); }

    std::optional<UdevEventRecord> Receive() override {
        // The monitor's socket does not block: no event gives none at once.
        udev_device* device = udev_monitor_receive_device(monitor_);
        if (device == nullptr) {
            return std::nullopt;
        }
        UdevEventRecord record;
        record.action = TextOr(udev_device_get_action(device));
        record.devpath = TextOr(udev_device_get_devpath(device));
        // The parent belongs to the device and is freed with it.
        udev_device* parent =
            udev_device_get_parent_with_subsystem_devtype(device, kHidSubsystem, nullptr);
        record.parentAttributes =
            parent != nullptr && udev_device_get_property_value(parent, kHidIdProperty) != nullptr;
        udev_device_unref(device);
        return record;
    }

  private:
    udev* udev_ = nullptr;
    udev_monitor* monitor_ = nullptr;
};

}  // namespace

std::unique_ptr<UdevCalls> MakeUdevCalls() {
    return std::make_unique<LibudevCalls>();
}

}  // namespace corvane
