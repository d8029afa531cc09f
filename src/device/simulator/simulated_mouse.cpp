#include "device/simulator/simulated_mouse.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <iterator>
#include <sstream>
#include <string_view>
#include <thread>

#include "core/text_encoding.h"
#include "settings/dpi_table.h"
#include "settings/settings_record.h"

namespace corvane {
namespace {

// The device's own view of the wire; kept apart from the program's report
// code on purpose, so that a fault there cannot hide itself here.
constexpr std::size_t kCommandLength = kSimulatedCommandLength;
constexpr std::size_t kDataLength = kSimulatedDataLength;
constexpr std::uint8_t kSignature[4] = {0xAA, 0xCC, 0xEE, 0xDD};
constexpr std::uint32_t kErrorAccessDenied = 5;

constexpr std::wstring_view kHidClassSuffix = L"#{4d1e55b2-f16f-11cf-88cb-001111000030}";

SimulatedInterface MouseInterface(SimulatedInterfaceKind kind, std::uint16_t usage,
                                  std::uint16_t featureLength, std::wstring_view collection) {
    SimulatedInterface i;
    i.kind = kind;
    i.path = std::wstring(L"\\\\?\\hid#vid_04d9&pid_a09e&mi_01&") + std::wstring(collection) +
             L"#8&1c2a3b4d&0&000" + (kind == SimulatedInterfaceKind::Data ? L"0" : L"1") +
             std::wstring(kHidClassSuffix);
    i.attributes = {0x04D9, 0xA09E, 0x0101};
    i.caps = {usage, 0x0001, 9, 0, featureLength};
    return i;
}

}  // namespace

SimulatedInterface ForeignInterface(int n) {
    SimulatedInterface i;
    i.kind = SimulatedInterfaceKind::Foreign;
    wchar_t number[16];
    std::swprintf(number, 16, L"%04d", n);
    i.path = std::wstring(L"\\\\?\\hid#vid_046d&pid_c077#7&2f0d6b1&0&") + number +
             std::wstring(kHidClassSuffix);
    i.attributes = {0x046D, 0xC077, 0x7200};
    // Alternately a mouse and a keyboard with the same usages and lengths as
    // the two interfaces of ours: only the identifiers tell them apart.
    i.caps = n % 2 == 0 ? HidCaps{0x0002, 0x0001, 5, 0, 65} : HidCaps{0x0006, 0x0001, 9, 2, 8};
    return i;
}

SimulatedInterface MouseDataInterface() {
    return MouseInterface(SimulatedInterfaceKind::Data, 0x0002, 65, L"col01");
}

SimulatedInterface MouseCommandInterface() {
    return MouseInterface(SimulatedInterfaceKind::Command, 0x0006, 8, L"col02");
}

std::vector<SimulatedInterface> StandardInterfaces(int foreignDevices, bool commandFirst,
                                                   bool mousePresent) {
    std::vector<SimulatedInterface> list;
    for (int n = 0; n < foreignDevices; ++n) {
        list.push_back(ForeignInterface(n));
    }
    if (mousePresent) {
        if (commandFirst) {
            list.push_back(MouseCommandInterface());
            list.push_back(MouseDataInterface());
        } else {
            list.push_back(MouseDataInterface());
            list.push_back(MouseCommandInterface());
        }
    }
    return list;
}

SimulatedMouse::SimulatedMouse(SimulatedMouseOptions options) : options_(std::move(options)) {
    memory_ = FactorySimulatedMemory(options_.sensorType);
    if (!options_.memoryFile.empty()) {
        if (auto stored = ReadSimulatedMemoryFile(options_.memoryFile)) {
            memory_ = *stored;
        } else {
            SaveMemory();
        }
    }
    if (!options_.wireLogFile.empty()) {
        wireLogStream_.open(std::filesystem::path(options_.wireLogFile), std::ios::app);
    }
}

void SimulatedMouse::SetMemory(const SimulatedMemory& memory) {
    memory_ = memory;
    SaveMemory();
}

void SimulatedMouse::SaveMemory() {
    if (options_.memoryFile.empty()) {
        return;
    }
    WriteSimulatedMemoryFile(options_.memoryFile, memory_);
}

bool SimulatedMouse::OpenInterfaceList() {
    if (options_.listFails) {
        return false;
    }
    listOpen_ = true;
    opensThisPass_.clear();
    return true;
}

void SimulatedMouse::SetMousePresent(bool present) {
    if (present == mousePresent()) {
        return;
    }
    unplugged_ = !present;
    if (!present) {
        return;
    }
    ++plugging_;
    bool listed = false;
    for (std::size_t i = 0; i < options_.interfaces.size(); ++i) {
        listed = listed || IsMouse(i);
    }
    if (!listed) {
        options_.interfaces.push_back(MouseDataInterface());
        options_.interfaces.push_back(MouseCommandInterface());
    }
}

bool SimulatedMouse::mousePresent() const {
    if (unplugged_) {
        return false;
    }
    for (std::size_t i = 0; i < options_.interfaces.size(); ++i) {
        if (IsMouse(i)) {
            return true;
        }
    }
    return false;
}

bool SimulatedMouse::IsMouse(std::size_t index) const {
    return options_.interfaces[index].kind != SimulatedInterfaceKind::Foreign;
}

bool SimulatedMouse::Listed(std::size_t index) const {
    return !(unplugged_ && IsMouse(index));
}

const SimulatedInterface* SimulatedMouse::ListedAt(std::uint32_t index) const {
    std::uint32_t position = 0;
    for (std::size_t i = 0; i < options_.interfaces.size(); ++i) {
        if (Listed(i) && position++ == index) {
            return &options_.interfaces[i];
        }
    }
    return nullptr;
}

HidListing SimulatedMouse::EnumInterface(std::uint32_t index) {
    if (!listOpen_ || (options_.enumErrorAt && *options_.enumErrorAt == index)) {
        return HidListing::Failed;
    }
    return ListedAt(index) != nullptr ? HidListing::Listed : HidListing::NoMoreItems;
}

bool SimulatedMouse::GetInterfacePath(std::uint32_t index, std::wstring& path) {
    const SimulatedInterface* listed = ListedAt(index);
    if (!listOpen_ || listed == nullptr ||
        (options_.enumErrorAt && *options_.enumErrorAt == index) || listed->detailFails) {
        return false;
    }
    path = listed->path;
    return true;
}

void SimulatedMouse::CloseInterfaceList() {
    listOpen_ = false;
}

HidHandle SimulatedMouse::Open(const std::wstring& path, HidOpenPurpose, std::uint32_t& lastError) {
    const auto found = std::find_if(options_.interfaces.begin(), options_.interfaces.end(),
                                    [&](const SimulatedInterface& i) { return i.path == path; });
    if (found == options_.interfaces.end() ||
        !Listed(static_cast<std::size_t>(found - options_.interfaces.begin()))) {
        lastError = 2;  // file not found
        return kInvalidHidHandle;
    }
    const int opensBefore = opensThisPass_[path]++;
    if (found->queryOpenFails || (found->channelOpenFails && opensBefore > 0)) {
        lastError = kErrorAccessDenied;
        return kInvalidHidHandle;
    }
    const HidHandle handle = nextId_++;
    handles_[handle] = {static_cast<std::size_t>(found - options_.interfaces.begin()), plugging_};
    return handle;
}

void SimulatedMouse::Close(HidHandle handle) {
    handles_.erase(handle);
}

// A handle of the mouse dies when it is pulled out, as the device's file
// does; only Close still takes it.
const SimulatedInterface* SimulatedMouse::InterfaceOf(HidHandle handle) const {
    const auto found = handles_.find(handle);
    if (found == handles_.end()) {
        return nullptr;
    }
    const OpenHandle& open = found->second;
    if (IsMouse(open.index) && (unplugged_ || open.plugging != plugging_)) {
        return nullptr;
    }
    return &options_.interfaces[open.index];
}

bool SimulatedMouse::GetAttributes(HidHandle handle, HidAttributes& attributes) {
    const SimulatedInterface* i = InterfaceOf(handle);
    if (i == nullptr) {
        return false;
    }
    attributes = i->attributes;
    return true;
}

bool SimulatedMouse::GetPreparsedData(HidHandle handle, HidPreparsedData& data) {
    const SimulatedInterface* open = InterfaceOf(handle);
    if (open == nullptr || open->preparsedFails) {
        return false;
    }
    data = nextId_++;
    preparsed_[data] = static_cast<std::size_t>(open - options_.interfaces.data());
    return true;
}

void SimulatedMouse::FreePreparsedData(HidPreparsedData data) {
    preparsed_.erase(data);
}

HidCapsStatus SimulatedMouse::GetCaps(HidPreparsedData data, HidCaps& caps) {
    const auto found = preparsed_.find(data);
    if (found == preparsed_.end() || options_.interfaces[found->second].capsInvalid) {
        return HidCapsStatus::InvalidPreparsedData;
    }
    caps = options_.interfaces[found->second].caps;
    return HidCapsStatus::Success;
}

// The HID stack takes only reports of the interface's feature length; what
// passes counts as a transfer, slow and perhaps failing.
bool SimulatedMouse::BeginTransfer(const SimulatedInterface& channel, std::size_t length) {
    if (channel.kind == SimulatedInterfaceKind::Foreign ||
        length != channel.caps.featureReportByteLength) {
        return false;
    }
    ++transfers_;
    if (options_.transferDelayMs > 0) {
        if (options_.sleep) {
            options_.sleep(options_.transferDelayMs);
        } else {
            std::this_thread::sleep_for(std::chrono::milliseconds(options_.transferDelayMs));
        }
    }
    return options_.failFromTransfer == 0 || transfers_ < options_.failFromTransfer;
}

bool SimulatedMouse::SetFeature(HidHandle handle, std::span<const std::uint8_t> report) {
    const SimulatedInterface* channel = InterfaceOf(handle);
    if (channel == nullptr || !BeginTransfer(*channel, report.size())) {
        return false;
    }
    return channel->kind == SimulatedInterfaceKind::Command ? SetCommand(report) : SetData(report);
}

bool SimulatedMouse::GetFeature(HidHandle handle, std::span<std::uint8_t> report) {
    const SimulatedInterface* channel = InterfaceOf(handle);
    if (channel == nullptr || !BeginTransfer(*channel, report.size())) {
        return false;
    }
    return channel->kind == SimulatedInterfaceKind::Command ? GetCommand(report) : GetData(report);
}

bool SimulatedMouse::SetCommand(std::span<const std::uint8_t> report) {
    Log("SET", "cmd", report);
    std::array<std::uint8_t, kCommandLength> plain{};
    std::copy(report.begin(), report.end(), plain.begin());
    SimulatorUnscramble(plain.data() + 1);
    if (plain[0] != 1 || !std::equal(std::begin(kSignature), std::end(kSignature), &plain[1])) {
        return true;  // taken, but not a command of ours
    }
    const std::uint8_t command = plain[5];
    const int page = command & 0x7F;
    if (command != 0x80 && command != 0x00 && (page < 1 || page > 5)) {
        return true;
    }
    std::array<std::uint8_t, kCommandLength> reply = {1, 0xAA, 0xCC, 0xEE, 0xDD, command, 0, 0};
    replyIsHeader_ = command == 0x80;
    pageToSend_ = 0;
    pageToReceive_ = 0;
    if (command == 0x80) {
        reply[6] = memory_[0];
        reply[7] = memory_[1];
        if (options_.replyFault == SimulatedReplyFault::WrongSignature) {
            reply[4] = 0xDC;
        } else if (options_.replyFault == SimulatedReplyFault::ReportId2) {
            reply[0] = 2;
        }
    } else if (command == 0x00) {
        memory_[0] = plain[6];
        memory_[1] = plain[7];
        SaveMemory();
    } else if (command & 0x80) {
        pageToSend_ = page;
    } else {
        pageToReceive_ = page;
    }
    reply_ = reply;
    return true;
}

bool SimulatedMouse::GetCommand(std::span<std::uint8_t> report) {
    if (!reply_ || (replyIsHeader_ && options_.replyFault == SimulatedReplyFault::NoReply)) {
        return false;
    }
    std::array<std::uint8_t, kCommandLength> wire = *reply_;
    SimulatorScramble(wire.data() + 1);
    std::copy(wire.begin(), wire.end(), report.begin());
    Log("GET", "cmd", report);
    return true;
}

bool SimulatedMouse::SetData(std::span<const std::uint8_t> report) {
    Log("SET", "data", report);
    if (pageToReceive_ == 0) {
        return true;
    }
    std::array<std::uint8_t, kDataLength> plain{};
    std::copy(report.begin(), report.end(), plain.begin());
    SimulatorUnscrambleData(plain.data());
    std::copy(plain.begin() + 1, plain.end(), memory_.begin() + 2 + 64 * (pageToReceive_ - 1));
    pageToReceive_ = 0;
    SaveMemory();
    return true;
}

bool SimulatedMouse::GetData(std::span<std::uint8_t> report) {
    if (pageToSend_ == 0) {
        return false;
    }
    std::array<std::uint8_t, kDataLength> wire{};
    const auto page = memory_.begin() + 2 + 64 * (pageToSend_ - 1);
    std::copy(page, page + 64, wire.begin() + 1);
    SimulatorScrambleData(wire.data());
    std::copy(wire.begin(), wire.end(), report.begin());
    Log("GET", "data", report);
    return true;
}

void SimulatedMouse::Log(const char* direction, const char* channel,
                         std::span<const std::uint8_t> bytes) {
    std::string line = std::string(direction) + " " + channel;
    for (const std::uint8_t b : bytes) {
        constexpr char kDigits[] = "0123456789ABCDEF";
        line += ' ';
        line += kDigits[b >> 4];
        line += kDigits[b & 0xF];
    }
    if (wireLogStream_.is_open()) {
        wireLogStream_ << line << '\n' << std::flush;
    }
    wireLog_.push_back(std::move(line));
}

}  // namespace corvane
