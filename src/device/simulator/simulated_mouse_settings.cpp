#include "device/simulator/simulated_mouse_settings.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string_view>

#include "core/text_encoding.h"

namespace corvane {

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

std::unique_ptr<SimulatedMouse> MakeSimulatedMouseFromEnvironment(const std::wstring& folder) {
    return std::make_unique<SimulatedMouse>(
        OptionsOf(SimulatedMouseSettingsFor(folder, ProcessEnvironment)));
}

}  // namespace corvane
