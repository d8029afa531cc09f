// The HID port of the Windows build: SetupAPI for the interface list, the
// HID library for identifiers, capabilities and feature reports.
#include <windows.h>
// NTSTATUS, which the HID headers use.
#include <winternl.h>

#include <setupapi.h>
// MinGW's HID headers declare C functions without C linkage.
extern "C" {
#include <hidsdi.h>
}

#include <algorithm>
#include <cstddef>
#include <cwchar>
#include <vector>

#include "device/hid_class_win32.h"
#include "device/hid_port.h"

namespace corvane {
namespace {

HANDLE ToHandle(HidHandle handle) {
    return reinterpret_cast<HANDLE>(handle);
}

class Win32HidPort final : public HidPort {
  public:
    ~Win32HidPort() override { CloseInterfaceList(); }

    bool OpenInterfaceList() override {
        CloseInterfaceList();
        list_ = SetupDiGetClassDevsW(&kHidInterfaceClass, nullptr, nullptr,
                                     DIGCF_PRESENT | DIGCF_DEVICEINTERFACE);
        return list_ != INVALID_HANDLE_VALUE;
    }

    HidListing EnumInterface(std::uint32_t index) override {
        current_ = SP_DEVICE_INTERFACE_DATA{};
        current_.cbSize = sizeof(SP_DEVICE_INTERFACE_DATA);
        currentIndex_ = index;
        if (!SetupDiEnumDeviceInterfaces(list_, nullptr, &kHidInterfaceClass, index, &current_)) {
            return GetLastError() == ERROR_NO_MORE_ITEMS ? HidListing::NoMoreItems
                                                         : HidListing::Failed;
        }
        return HidListing::Listed;
    }

    bool GetInterfacePath(std::uint32_t index, std::wstring& path) override {
        if (index != currentIndex_ || list_ == INVALID_HANDLE_VALUE) {
            return false;
        }
        DWORD required = 0;
        SetupDiGetDeviceInterfaceDetailW(list_, &current_, nullptr, 0, &required, nullptr);
        // The record's size field holds the size of its fixed part (8 on
        // 64-bit Windows), the buffer the whole record with the path.
        const std::size_t bytes =
            std::max<std::size_t>(required, sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_W));
        std::vector<std::uint64_t> storage((bytes + sizeof(std::uint64_t) - 1) /
                                           sizeof(std::uint64_t));
        auto* detail = reinterpret_cast<SP_DEVICE_INTERFACE_DETAIL_DATA_W*>(storage.data());
        detail->cbSize = sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_W);
        if (!SetupDiGetDeviceInterfaceDetailW(list_, &current_, detail, static_cast<DWORD>(bytes),
                                              nullptr, nullptr)) {
            return false;
        }
        const std::size_t pathOffset = offsetof(SP_DEVICE_INTERFACE_DETAIL_DATA_W, DevicePath);
        const std::size_t maxChars = (bytes - pathOffset) / sizeof(wchar_t);
        path.assign(detail->DevicePath, wcsnlen(detail->DevicePath, maxChars));
        return true;
    }

    void CloseInterfaceList() override {
        if (list_ != INVALID_HANDLE_VALUE) {
            SetupDiDestroyDeviceInfoList(list_);
            list_ = INVALID_HANDLE_VALUE;
        }
    }

    HidHandle Open(const std::wstring& path, HidOpenPurpose purpose,
                   std::uint32_t& lastError) override {
        const DWORD flagsAndAttributes =
            purpose == HidOpenPurpose::DataChannel ? FILE_ATTRIBUTE_NORMAL : 0;
        // No access rights: feature reports work on such handles, and no other
        // program's use of the device is in the way.
        const HANDLE handle = CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                          nullptr, OPEN_EXISTING, flagsAndAttributes, nullptr);
        if (handle == INVALID_HANDLE_VALUE) {
            lastError = GetLastError();
            return kInvalidHidHandle;
        }
        return reinterpret_cast<HidHandle>(handle);
    }

    void Close(HidHandle handle) override { CloseHandle(ToHandle(handle)); }

    bool GetAttributes(HidHandle handle, HidAttributes& attributes) override {
        HIDD_ATTRIBUTES a{};
        a.Size = sizeof(HIDD_ATTRIBUTES);
        if (!HidD_GetAttributes(ToHandle(handle), &a)) {
            return false;
        }
        attributes = {a.VendorID, a.ProductID, a.VersionNumber};
        return true;
    }

    bool GetPreparsedData(HidHandle handle, HidPreparsedData& data) override {
        PHIDP_PREPARSED_DATA preparsed = nullptr;
        if (!HidD_GetPreparsedData(ToHandle(handle), &preparsed)) {
            return false;
        }
        data = reinterpret_cast<HidPreparsedData>(preparsed);
        return true;
    }

    void FreePreparsedData(HidPreparsedData data) override {
        HidD_FreePreparsedData(reinterpret_cast<PHIDP_PREPARSED_DATA>(data));
    }

    HidCapsStatus GetCaps(HidPreparsedData data, HidCaps& caps) override {
        HIDP_CAPS c{};
        const NTSTATUS status = HidP_GetCaps(reinterpret_cast<PHIDP_PREPARSED_DATA>(data), &c);
        // HidP_GetCaps fails only on preparsed data it cannot read.
        if (status != HIDP_STATUS_SUCCESS) {
            return HidCapsStatus::InvalidPreparsedData;
        }
        caps = {c.Usage, c.UsagePage, c.InputReportByteLength, c.OutputReportByteLength,
                c.FeatureReportByteLength};
        return HidCapsStatus::Success;
    }

    bool SetFeature(HidHandle handle, std::span<const std::uint8_t> report) override {
        std::vector<std::uint8_t> buffer(report.begin(), report.end());
        return HidD_SetFeature(ToHandle(handle), buffer.data(),
                               static_cast<ULONG>(buffer.size())) != FALSE;
    }

    bool GetFeature(HidHandle handle, std::span<std::uint8_t> report) override {
        return HidD_GetFeature(ToHandle(handle), report.data(),
                               static_cast<ULONG>(report.size())) != FALSE;
    }

  private:
    HDEVINFO list_ = INVALID_HANDLE_VALUE;
    SP_DEVICE_INTERFACE_DATA current_{};
    std::uint32_t currentIndex_ = 0xFFFFFFFF;
};

}  // namespace

std::unique_ptr<HidPort> MakePlatformHidPort() {
    return std::make_unique<Win32HidPort>();
}

}  // namespace corvane
