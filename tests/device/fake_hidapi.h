// A stand-in for hidapi and sysfs: a list of device collections, device
// nodes that open or refuse with an errno, report descriptors by sysfs path,
// and feature transfers that are logged and answered from a queue or passed
// on to another HidPort (the simulated mouse).
#pragma once

#include <algorithm>
#include <cstdint>
#include <deque>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "device/hid_port.h"
#include "device/hidapi_calls.h"

namespace corvane::testing {

struct FakeTransfer {
    std::string node;
    bool get = false;
    std::vector<std::uint8_t> bytes;  // sent, or the buffer as the port prepared it
};

class FakeHidapi final : public HidapiCalls {
  public:
    bool enumerateFails = false;
    std::vector<HidapiDeviceEntry> entries;
    std::map<std::string, int> openErrors;  // node -> errno of its opens
    std::map<std::string, std::vector<std::uint8_t>> files;
    // Answers to gets, in order; a get with none left fails.
    std::deque<std::vector<std::uint8_t>> replies;
    // What a transfer returns instead of the full length, when set.
    std::optional<int> sendResult;
    std::optional<int> getResult;
    // Passes transfers on by report id instead: id 1 to `commandChannel`,
    // any other to `dataChannel` of `device`.
    HidPort* device = nullptr;
    HidHandle commandChannel = kInvalidHidHandle;
    HidHandle dataChannel = kInvalidHidHandle;

    std::vector<FakeTransfer> transfers;
    std::map<std::string, int> opens;  // node -> opens so far
    std::map<HidapiDevice, std::string> openDevices;

    bool Enumerate(std::vector<HidapiDeviceEntry>& out) override {
        if (enumerateFails) {
            return false;
        }
        out = entries;
        return true;
    }

    HidapiDevice Open(const std::string& path, int& error) override {
        ++opens[path];
        if (const auto refused = openErrors.find(path); refused != openErrors.end()) {
            error = refused->second;
            return nullptr;
        }
        const auto device = reinterpret_cast<HidapiDevice>(nextDevice_++);
        openDevices[device] = path;
        return device;
    }

    void Close(HidapiDevice device) override { openDevices.erase(device); }

    int SendFeatureReport(HidapiDevice handle, std::span<const std::uint8_t> report) override {
        transfers.push_back({openDevices.at(handle), false, {report.begin(), report.end()}});
        if (device != nullptr) {
            return device->SetFeature(ChannelOf(report), report) ? Length(report) : -1;
        }
        return sendResult.value_or(Length(report));
    }

    int GetFeatureReport(HidapiDevice handle, std::span<std::uint8_t> report) override {
        transfers.push_back({openDevices.at(handle), true, {report.begin(), report.end()}});
        if (device != nullptr) {
            return device->GetFeature(ChannelOf(report), report) ? Length(report) : -1;
        }
        if (replies.empty()) {
            return -1;
        }
        const std::vector<std::uint8_t> reply = replies.front();
        replies.pop_front();
        std::copy_n(reply.begin(), std::min(reply.size(), report.size()), report.begin());
        return getResult.value_or(Length(report));
    }

    bool ReadFile(const std::string& path, std::vector<std::uint8_t>& bytes) override {
        const auto file = files.find(path);
        if (file == files.end()) {
            return false;
        }
        bytes = file->second;
        return true;
    }

  private:
    static int Length(std::span<const std::uint8_t> report) {
        return static_cast<int>(report.size());
    }
    HidHandle ChannelOf(std::span<const std::uint8_t> report) const {
        return !report.empty() && report[0] == 1 ? commandChannel : dataChannel;
    }

    std::intptr_t nextDevice_ = 0x1000;
};

}  // namespace corvane::testing
