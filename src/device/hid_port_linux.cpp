// The HID port of Linux over HidapiCalls. hidapi lists one entry per
// collection, several on one device node; each becomes an interface of its
// own, as Windows lists each top-level collection. Attributes and usages come
// from the list and the report lengths from the node's report descriptor in
// sysfs, so a query needs no access to the device; only channel opens open
// the node.
#include "device/hid_port_linux.h"

#include <algorithm>
#include <cerrno>
#include <map>
#include <utility>
#include <vector>

#include "device/report_descriptor.h"

namespace corvane {
namespace {

struct ListedInterface {
    std::wstring path;
    HidapiDeviceEntry entry;
    // Earlier entries of the same node with the same usage page and usage:
    // which of the descriptor's collections with that usage this one is.
    std::size_t usageOrdinal = 0;
};

struct OpenInterface {
    ListedInterface listed;
    HidapiDevice device = nullptr;  // none for a query
};

std::wstring Widen(const std::string& text) {
    std::wstring wide;
    for (const char c : text) {
        wide.push_back(static_cast<wchar_t>(static_cast<unsigned char>(c)));
    }
    return wide;
}

std::vector<ListedInterface> ListInterfaces(const std::vector<HidapiDeviceEntry>& entries) {
    std::vector<ListedInterface> listed;
    for (const HidapiDeviceEntry& entry : entries) {
        std::size_t onNode = 0;
        std::size_t sameUsage = 0;
        for (const ListedInterface& earlier : listed) {
            if (earlier.entry.path == entry.path) {
                ++onNode;
                sameUsage += earlier.entry.usagePage == entry.usagePage &&
                             earlier.entry.usage == entry.usage;
            }
        }
        listed.push_back(
            {Widen(entry.path) + L"#" + std::to_wstring(onNode + 1), entry, sameUsage});
    }
    return listed;
}

// The capabilities of a listed collection from its node's descriptor. An
// entry with no top-level collection of its usage (hidapi also lists nested
// collections) has no reports of its own.
HidCaps CapsOf(const ListedInterface& listed, const ParsedDescriptor& descriptor) {
    HidCaps caps{listed.entry.usage, listed.entry.usagePage, 0, 0, 0};
    std::size_t ordinal = 0;
    for (const CollectionReportLengths& c : descriptor.collections) {
        if (c.usagePage != caps.usagePage || c.usage != caps.usage) {
            continue;
        }
        if (ordinal++ == listed.usageOrdinal) {
            caps.inputReportByteLength = c.inputReportByteLength;
            caps.outputReportByteLength = c.outputReportByteLength;
            caps.featureReportByteLength = c.featureReportByteLength;
            break;
        }
    }
    return caps;
}

class LinuxHidPort final : public HidPort {
  public:
    explicit LinuxHidPort(std::unique_ptr<HidapiCalls> calls) : calls_(std::move(calls)) {}

    ~LinuxHidPort() override {
        for (const auto& [handle, open] : open_) {
            if (open.device != nullptr) {
                calls_->Close(open.device);
            }
        }
    }

    bool OpenInterfaceList() override {
        std::vector<HidapiDeviceEntry> entries;
        listOpen_ = calls_->Enumerate(entries);
        listed_ = listOpen_ ? ListInterfaces(entries) : std::vector<ListedInterface>{};
        return listOpen_;
    }

    HidListing EnumInterface(std::uint32_t index) override {
        return listOpen_ && index < listed_.size() ? HidListing::Listed : HidListing::NoMoreItems;
    }

    bool GetInterfacePath(std::uint32_t index, std::wstring& path) override {
        if (!listOpen_ || index >= listed_.size()) {
            return false;
        }
        path = listed_[index].path;
        return true;
    }

    // The listed interfaces stay known, so channels can still be opened by
    // their paths until the next list is taken.
    void CloseInterfaceList() override { listOpen_ = false; }

    HidHandle Open(const std::wstring& path, HidOpenPurpose /*purpose*/,
                   std::uint32_t& lastError) override {
        const ListedInterface* listed = Find(path);
        if (listed == nullptr) {
            lastError = ENOENT;
            return kInvalidHidHandle;
        }
        int error = 0;
        const HidapiDevice device = calls_->Open(listed->entry.path, error);
        if (device == nullptr) {
            lastError = static_cast<std::uint32_t>(error > 0 ? error : EIO);
            return kInvalidHidHandle;
        }
        return Add({*listed, device});
    }

    HidHandle OpenForQuery(const std::wstring& path, std::uint32_t& lastError) override {
        const ListedInterface* listed = Find(path);
        if (listed == nullptr) {
            lastError = ENOENT;
            return kInvalidHidHandle;
        }
        return Add({*listed, nullptr});
    }

    bool NeedsAccessRule(std::uint32_t openError) const override {
        return IsPermissionError(openError);
    }

    void Close(HidHandle handle) override {
        const auto it = open_.find(handle);
        if (it == open_.end()) {
            return;
        }
        if (it->second.device != nullptr) {
            calls_->Close(it->second.device);
        }
        open_.erase(it);
    }

    bool GetAttributes(HidHandle handle, HidAttributes& attributes) override {
        const OpenInterface* open = Opened(handle);
        if (open == nullptr) {
            return false;
        }
        const HidapiDeviceEntry& e = open->listed.entry;
        attributes = {e.vendorId, e.productId, e.releaseNumber};
        return true;
    }

    bool GetPreparsedData(HidHandle handle, HidPreparsedData& data) override {
        const OpenInterface* open = Opened(handle);
        std::vector<std::uint8_t> bytes;
        if (open == nullptr ||
            !calls_->ReadFile(ReportDescriptorFile(open->listed.entry.path), bytes)) {
            return false;
        }
        const ParsedDescriptor descriptor = ParseReportDescriptor(bytes);
        if (descriptor.error != DescriptorError::None) {
            return false;
        }
        data = nextId_++;
        preparsed_[data] = CapsOf(open->listed, descriptor);
        return true;
    }

    void FreePreparsedData(HidPreparsedData data) override { preparsed_.erase(data); }

    HidCapsStatus GetCaps(HidPreparsedData data, HidCaps& caps) override {
        const auto it = preparsed_.find(data);
        if (it == preparsed_.end()) {
            return HidCapsStatus::InvalidPreparsedData;
        }
        caps = it->second;
        return HidCapsStatus::Success;
    }

    // A transfer counts only when the whole report moved: a short one would
    // pass for a page of zeros.
    bool SetFeature(HidHandle handle, std::span<const std::uint8_t> report) override {
        const HidapiDevice device = DeviceOf(handle);
        return device != nullptr && !report.empty() &&
               calls_->SendFeatureReport(device, report) == static_cast<int>(report.size());
    }

    bool GetFeature(HidHandle handle, std::span<std::uint8_t> report) override {
        const HidapiDevice device = DeviceOf(handle);
        if (device == nullptr || report.empty()) {
            return false;
        }
        // Received into a copy, so that a failed get leaves the buffer as
        // it was.
        std::vector<std::uint8_t> received(report.begin(), report.end());
        if (calls_->GetFeatureReport(device, received) != static_cast<int>(report.size())) {
            return false;
        }
        std::copy(received.begin(), received.end(), report.begin());
        return true;
    }

  private:
    const ListedInterface* Find(const std::wstring& path) const {
        for (const ListedInterface& listed : listed_) {
            if (listed.path == path) {
                return &listed;
            }
        }
        return nullptr;
    }

    const OpenInterface* Opened(HidHandle handle) const {
        const auto it = open_.find(handle);
        return it == open_.end() ? nullptr : &it->second;
    }

    HidapiDevice DeviceOf(HidHandle handle) const {
        const OpenInterface* open = Opened(handle);
        return open == nullptr ? nullptr : open->device;
    }

    HidHandle Add(OpenInterface open) {
        const HidHandle handle = nextId_++;
        open_.emplace(handle, std::move(open));
        return handle;
    }

    std::unique_ptr<HidapiCalls> calls_;
    std::vector<ListedInterface> listed_;
    bool listOpen_ = false;
    std::map<HidHandle, OpenInterface> open_;
    std::map<HidPreparsedData, HidCaps> preparsed_;
    // Handles and preparsed data share one counter; neither is ever the
    // invalid handle.
    std::intptr_t nextId_ = 1;
};

}  // namespace

bool IsPermissionError(std::uint32_t error) {
    return error == static_cast<std::uint32_t>(EACCES) ||
           error == static_cast<std::uint32_t>(EPERM);
}

std::string ReportDescriptorFile(const std::string& devicePath) {
    const std::size_t slash = devicePath.find_last_of('/');
    const std::string node = slash == std::string::npos ? "" : devicePath.substr(slash + 1);
    if (node.empty() || node == "." || node == "..") {
        return {};
    }
    return "/sys/class/hidraw/" + node + "/device/report_descriptor";
}

std::unique_ptr<HidPort> MakeHidapiPort(std::unique_ptr<HidapiCalls> calls) {
    return std::make_unique<LinuxHidPort>(std::move(calls));
}

std::unique_ptr<HidPort> MakePlatformHidPort() {
    return MakeHidapiPort(MakeHidapiLibraryCalls());
}

}  // namespace corvane
