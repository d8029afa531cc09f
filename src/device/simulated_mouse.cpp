#include "device/simulated_mouse.h"

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

#include "settings/dpi_table.h"
#include "settings/settings_record.h"
#include "settings/text_encoding.h"

namespace corvane {
namespace {

// The device's own view of the wire; kept apart from the program's report
// code on purpose, so that a fault there cannot hide itself here.
constexpr std::size_t kCommandLength = 8;
constexpr std::size_t kDataLength = 65;
constexpr std::uint8_t kSignature[4] = {0xAA, 0xCC, 0xEE, 0xDD};
constexpr std::uint32_t kErrorAccessDenied = 5;

// The transform, on the block as one 56-bit number (first byte on top).
constexpr std::uint64_t kKey56 = 0x3D91C40E7A25B8ULL;
constexpr std::uint64_t kMask56 = (std::uint64_t{1} << 56) - 1;

std::uint64_t Pack56(const std::uint8_t* bytes) {
    std::uint64_t value = 0;
    for (int i = 0; i < 7; ++i) {
        value = (value << 8) | bytes[i];
    }
    return value;
}

void Unpack56(std::uint64_t value, std::uint8_t* bytes) {
    for (int i = 6; i >= 0; --i) {
        bytes[i] = static_cast<std::uint8_t>(value & 0xFF);
        value >>= 8;
    }
}

std::uint64_t RotateLeft56(std::uint64_t value, unsigned bits) {
    return ((value << bits) | (value >> (56 - bits))) & kMask56;
}

std::uint64_t RotateRight56(std::uint64_t value, unsigned bits) {
    return RotateLeft56(value, 56 - bits);
}

void Scramble56(std::uint8_t* block) {
    Unpack56(RotateRight56(RotateLeft56(Pack56(block), 2) ^ kKey56, 3), block);
}

void Unscramble56(std::uint8_t* block) {
    Unpack56(RotateRight56(RotateLeft56(Pack56(block), 3) ^ kKey56, 2), block);
}

// Data reports: the byte after every eighth stays plain.
void ForEachDataBlock(std::uint8_t* report, void (*transform)(std::uint8_t*)) {
    for (std::size_t offset = 2; offset + 7 <= kDataLength; offset += 8) {
        transform(report + offset);
    }
}

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

SimulatedMemory SimulatedMouse::FactoryMemory(std::uint8_t sensorType) {
    DeviceImage image{};
    image.reportRate = 1;  // 1000 Hz
    image.dpiStage = 1;
    for (int p = 1; p <= 2; ++p) {
        auto page = image.page(p);
        for (std::size_t k = 0; k < page.size(); ++k) {
            page[k] = static_cast<std::uint8_t>(0x40 * p + 3 * k);
        }
    }
    constexpr ButtonEntry kButtons[kButtonSlots] = {{0xF0, 0}, {0xF1, 0}, {0xF2, 0}, {0xF3, 0},
                                                    {0xF4, 0}, {5, 3},    {0, 0},    {0, 0}};
    std::copy(std::begin(kButtons), std::end(kButtons), image.page3.buttonTable0);
    std::copy(std::begin(kButtons), std::end(kButtons), image.page3.buttonTable1);
    image.page4.sensorType = sensorType;
    image.page4.enabledStageCount = 3;
    image.page4.ledMode = 2;
    image.page4.ledParam = 3;
    image.page4.fireMakeTime = 10;
    image.page4.fireBreakTime = 10;
    const auto choices = DpiChoicesOf(sensorType);
    constexpr int kFactoryLevels[kDpiStages] = {1, 3, 6};
    for (int s = 0; s < kDpiStages; ++s) {
        const std::size_t level = static_cast<std::size_t>(kFactoryLevels[s]);
        image.page4.dpiCode[s] = level < choices.size() ? choices[level].code
                                                        : static_cast<std::uint8_t>(0x10 * (s + 1));
    }
    image.page4.snipeDpiCode = choices.empty() ? 0x08 : choices.front().code;
    WriteDefaultDeviceTables(image);
    SimulatedMemory memory{};
    std::copy(image.bytes().begin(), image.bytes().end(), memory.begin());
    return memory;
}

SimulatedMouse::SimulatedMouse(SimulatedMouseOptions options) : options_(std::move(options)) {
    memory_ = FactoryMemory(options_.sensorType);
    if (!options_.memoryFile.empty()) {
        const std::filesystem::path file(options_.memoryFile);
        std::ifstream in(file, std::ios::binary);
        SimulatedMemory stored{};
        if (in.read(reinterpret_cast<char*>(stored.data()), stored.size()) &&
            in.peek() == std::ifstream::traits_type::eof()) {
            memory_ = stored;
        } else {
            in.close();
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
    std::ofstream out(std::filesystem::path(options_.memoryFile),
                      std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(memory_.data()), memory_.size());
}

bool SimulatedMouse::OpenInterfaceList() {
    if (options_.listFails) {
        return false;
    }
    listOpen_ = true;
    opensThisPass_.clear();
    return true;
}

bool SimulatedMouse::EnumInterface(std::uint32_t index, std::uint32_t& lastError) {
    if (!listOpen_) {
        lastError = 6;  // invalid handle
        return false;
    }
    if (options_.enumErrorAt && *options_.enumErrorAt == index) {
        lastError = 87;  // invalid parameter
        return false;
    }
    if (index >= options_.interfaces.size()) {
        lastError = kErrorNoMoreItems;
        return false;
    }
    return true;
}

bool SimulatedMouse::GetInterfacePath(std::uint32_t index, std::wstring& path) {
    if (!listOpen_ || index >= options_.interfaces.size() ||
        (options_.enumErrorAt && *options_.enumErrorAt == index) ||
        options_.interfaces[index].detailFails) {
        return false;
    }
    path = options_.interfaces[index].path;
    return true;
}

void SimulatedMouse::CloseInterfaceList() {
    listOpen_ = false;
}

HidHandle SimulatedMouse::Open(const std::wstring& path, std::uint32_t, std::uint32_t& lastError) {
    const auto found = std::find_if(options_.interfaces.begin(), options_.interfaces.end(),
                                    [&](const SimulatedInterface& i) { return i.path == path; });
    if (found == options_.interfaces.end()) {
        lastError = 2;  // file not found
        return kInvalidHidHandle;
    }
    const int opensBefore = opensThisPass_[path]++;
    if (found->queryOpenFails || (found->channelOpenFails && opensBefore > 0)) {
        lastError = kErrorAccessDenied;
        return kInvalidHidHandle;
    }
    const HidHandle handle = nextId_++;
    handles_[handle] = static_cast<std::size_t>(found - options_.interfaces.begin());
    return handle;
}

void SimulatedMouse::Close(HidHandle handle) {
    handles_.erase(handle);
}

const SimulatedInterface* SimulatedMouse::InterfaceOf(HidHandle handle) const {
    const auto found = handles_.find(handle);
    return found == handles_.end() ? nullptr : &options_.interfaces[found->second];
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
    const auto found = handles_.find(handle);
    if (found == handles_.end() || options_.interfaces[found->second].preparsedFails) {
        return false;
    }
    data = nextId_++;
    preparsed_[data] = found->second;
    return true;
}

void SimulatedMouse::FreePreparsedData(HidPreparsedData data) {
    preparsed_.erase(data);
}

std::uint32_t SimulatedMouse::GetCaps(HidPreparsedData data, HidCaps& caps) {
    const auto found = preparsed_.find(data);
    if (found == preparsed_.end() || options_.interfaces[found->second].capsInvalid) {
        return kHidpStatusInvalidPreparsedData;
    }
    caps = options_.interfaces[found->second].caps;
    return kHidpStatusSuccess;
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
    Unscramble56(plain.data() + 1);
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
    Scramble56(wire.data() + 1);
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
    ForEachDataBlock(plain.data(), Unscramble56);
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
    ForEachDataBlock(wire.data(), Scramble56);
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

// ---- settings ----

namespace {

std::string Trim(std::string_view text) {
    const auto isSpace = [](unsigned char c) { return std::isspace(c) != 0; };
    while (!text.empty() && isSpace(static_cast<unsigned char>(text.front()))) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isSpace(static_cast<unsigned char>(text.back()))) {
        text.remove_suffix(1);
    }
    return std::string(text);
}

std::optional<std::uint32_t> NumberOf(const std::wstring& value, std::uint32_t maximum) {
    const std::string text = Trim(ToUtf8(value));
    std::uint32_t number = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() ||
        number > maximum) {
        return std::nullopt;
    }
    return number;
}

std::optional<bool> FlagOf(const std::wstring& value) {
    const auto n = NumberOf(value, 1);
    return n ? std::optional<bool>(*n == 1) : std::nullopt;
}

std::wstring FileIn(const std::wstring& folder, const std::wstring& value) {
    std::filesystem::path file(value);
    if (file.is_relative() && !folder.empty()) {
        file = std::filesystem::path(folder) / file;
    }
    return file.wstring();
}

struct NamedValue {
    std::wstring_view name;
    int value;
};

template <typename T, std::size_t N>
std::optional<T> ChoiceOf(const std::wstring& value, const NamedValue (&table)[N]) {
    for (const NamedValue& entry : table) {
        if (value == entry.name) {
            return static_cast<T>(entry.value);
        }
    }
    return std::nullopt;
}

constexpr NamedValue kReplyFaults[] = {
    {L"none", static_cast<int>(SimulatedReplyFault::None)},
    {L"no-reply", static_cast<int>(SimulatedReplyFault::NoReply)},
    {L"wrong-signature", static_cast<int>(SimulatedReplyFault::WrongSignature)},
    {L"report-id-2", static_cast<int>(SimulatedReplyFault::ReportId2)},
};

constexpr int kNoKind = -1;
constexpr NamedValue kInterfaceKinds[] = {
    {L"none", kNoKind},
    {L"foreign", static_cast<int>(SimulatedInterfaceKind::Foreign)},
    {L"data", static_cast<int>(SimulatedInterfaceKind::Data)},
    {L"command", static_cast<int>(SimulatedInterfaceKind::Command)},
};

bool ApplyKind(const std::wstring& value, std::optional<SimulatedInterfaceKind>& kind) {
    const auto n = ChoiceOf<int>(value, kInterfaceKinds);
    if (!n) {
        return false;
    }
    kind = *n == kNoKind
               ? std::nullopt
               : std::optional<SimulatedInterfaceKind>(static_cast<SimulatedInterfaceKind>(*n));
    return true;
}

using Setter = void (*)(const std::wstring& value, const std::wstring& folder,
                        SimulatedMouseSettings& settings);

struct SettingKey {
    std::string_view key;
    Setter apply;
};

constexpr int kMostForeignDevices = 100000;
constexpr unsigned kLongestDelayMs = 60000;

constexpr SettingKey kSettingKeys[] = {
    {"sensor_type",
     [](const std::wstring& v, const std::wstring&, SimulatedMouseSettings& s) {
         if (const auto n = NumberOf(v, 255)) {
             s.sensorType = static_cast<std::uint8_t>(*n);
         }
     }},
    {"reply_fault",
     [](const std::wstring& v, const std::wstring&, SimulatedMouseSettings& s) {
         s.replyFault = ChoiceOf<SimulatedReplyFault>(v, kReplyFaults).value_or(s.replyFault);
     }},
    {"fail_from_transfer",
     [](const std::wstring& v, const std::wstring&, SimulatedMouseSettings& s) {
         s.failFromTransfer = NumberOf(v, 0xFFFFFFFFu).value_or(s.failFromTransfer);
     }},
    {"delay_ms",
     [](const std::wstring& v, const std::wstring&, SimulatedMouseSettings& s) {
         s.transferDelayMs = NumberOf(v, kLongestDelayMs).value_or(s.transferDelayMs);
     }},
    {"foreign_devices",
     [](const std::wstring& v, const std::wstring&, SimulatedMouseSettings& s) {
         s.foreignDevices =
             static_cast<int>(NumberOf(v, kMostForeignDevices)
                                  .value_or(static_cast<std::uint32_t>(s.foreignDevices)));
     }},
    {"command_first",
     [](const std::wstring& v, const std::wstring&, SimulatedMouseSettings& s) {
         s.commandFirst = FlagOf(v).value_or(s.commandFirst);
     }},
    {"mouse_present",
     [](const std::wstring& v, const std::wstring&, SimulatedMouseSettings& s) {
         s.mousePresent = FlagOf(v).value_or(s.mousePresent);
     }},
    {"unopenable", [](const std::wstring& v, const std::wstring&,
                      SimulatedMouseSettings& s) { ApplyKind(v, s.unopenable); }},
    {"unopenable_channel", [](const std::wstring& v, const std::wstring&,
                              SimulatedMouseSettings& s) { ApplyKind(v, s.unopenableChannel); }},
    {"memory_file",
     [](const std::wstring& v, const std::wstring& folder, SimulatedMouseSettings& s) {
         s.memoryFile = v.empty() ? std::wstring() : FileIn(folder, v);
     }},
    {"wire_log",
     [](const std::wstring& v, const std::wstring& folder, SimulatedMouseSettings& s) {
         s.wireLogFile = v.empty() ? std::wstring() : FileIn(folder, v);
     }},
};

void ApplySetting(std::string_view key, const std::wstring& value, const std::wstring& folder,
                  SimulatedMouseSettings& settings) {
    for (const SettingKey& entry : kSettingKeys) {
        if (entry.key == key) {
            entry.apply(value, folder, settings);
            return;
        }
    }
}

std::string Upper(std::string_view text) {
    std::string upper(text);
    for (char& c : upper) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return upper;
}

}  // namespace

void ApplySimulatedMouseSettings(const std::string& text, const std::wstring& folder,
                                 SimulatedMouseSettings& settings) {
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        const std::string content = Trim(line.substr(0, line.find_first_of(";#")));
        const auto equals = content.find('=');
        if (content.empty() || content.front() == '[' || equals == std::string::npos) {
            continue;
        }
        const std::string key = Trim(content.substr(0, equals));
        ApplySetting(key, FromUtf8(Trim(content.substr(equals + 1))), folder, settings);
    }
}

void ApplySimulatedMouseEnvironment(const EnvironmentLookup& lookup, const std::wstring& folder,
                                    SimulatedMouseSettings& settings) {
    for (const SettingKey& entry : kSettingKeys) {
        if (const auto value = lookup(kSimulatedMouseEnvironmentPrefix + Upper(entry.key))) {
            entry.apply(*value, folder, settings);
        }
    }
}

SimulatedMouseOptions OptionsOf(const SimulatedMouseSettings& settings) {
    SimulatedMouseOptions options;
    options.interfaces =
        StandardInterfaces(settings.foreignDevices, settings.commandFirst, settings.mousePresent);
    for (SimulatedInterface& i : options.interfaces) {
        i.queryOpenFails = settings.unopenable == i.kind;
        i.channelOpenFails = settings.unopenableChannel == i.kind;
    }
    options.sensorType = settings.sensorType;
    options.replyFault = settings.replyFault;
    options.failFromTransfer = settings.failFromTransfer;
    options.transferDelayMs = settings.transferDelayMs;
    options.memoryFile = settings.memoryFile;
    options.wireLogFile = settings.wireLogFile;
    return options;
}

std::optional<std::wstring> ProcessEnvironment(const std::string& name) {
#ifdef _WIN32
    const wchar_t* value = _wgetenv(FromUtf8(name).c_str());
    return value ? std::optional<std::wstring>(value) : std::nullopt;
#else
    const char* value = std::getenv(name.c_str());
    return value ? std::optional<std::wstring>(FromUtf8(value)) : std::nullopt;
#endif
}

SimulatedMouseSettings SimulatedMouseSettingsFor(const std::wstring& folder,
                                                 const EnvironmentLookup& lookup) {
    SimulatedMouseSettings settings;
    std::ifstream in(std::filesystem::path(folder) / kSimulatedMouseSettingsFile, std::ios::binary);
    if (in) {
        const std::string text((std::istreambuf_iterator<char>(in)),
                               std::istreambuf_iterator<char>());
        ApplySimulatedMouseSettings(text, folder, settings);
    }
    ApplySimulatedMouseEnvironment(lookup, folder, settings);
    return settings;
}

std::unique_ptr<HidPort> MakeSimulatedMouseFromEnvironment(const std::wstring& folder) {
    return std::make_unique<SimulatedMouse>(
        OptionsOf(SimulatedMouseSettingsFor(folder, ProcessEnvironment)));
}

}  // namespace corvane
