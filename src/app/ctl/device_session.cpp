#include "app/ctl/device_session.h"

#include <algorithm>
#include <filesystem>

#include "app/ctl/settings_folder.h"
#include "core/text_encoding.h"
#include "device/reports.h"
#include "device/simulator/simulated_mouse_settings.h"
#include "meaning/led_settings.h"

namespace corvane::ctl {
namespace {

template <typename Bytes>
Bytes CopyOf(std::span<const std::uint8_t> bytes) {
    Bytes copy{};
    std::copy(bytes.begin(), bytes.end(), copy.begin());
    return copy;
}

std::string HeaderValues(std::uint8_t reportRate, std::uint8_t dpiStage) {
    const auto rate = RateName(reportRate);
    return (rate ? *rate : "rate code " + std::to_string(reportRate)) + ", DPI stage " +
           std::to_string(dpiStage);
}

}  // namespace

std::string Hex2(unsigned value) {
    constexpr char kDigits[] = "0123456789ABCDEF";
    return std::string("0x") + kDigits[(value >> 4) & 0xF] + kDigits[value & 0xF];
}

std::string Hex4(unsigned value) {
    return Hex2(value >> 8) + Hex2(value & 0xFF).substr(2);
}

std::string Padded(std::string text, std::size_t width) {
    if (text.size() < width) {
        text.append(width - text.size(), ' ');
    }
    return text;
}

std::string HexBytes(std::span<const std::uint8_t> bytes) {
    std::string text;
    for (const std::uint8_t b : bytes) {
        text += text.empty() ? "" : " ";
        text += Hex2(b).substr(2);
    }
    return text;
}

std::string UnscrambledHex(std::span<const std::uint8_t> bytes) {
    if (bytes.size() == kCommandReportSize) {
        CommandBytes report = CopyOf<CommandBytes>(bytes);
        UnscrambleCommandReport(report);
        return HexBytes(report);
    }
    if (bytes.size() == kDataReportSize) {
        DataBytes report = CopyOf<DataBytes>(bytes);
        UnscrambleDataReport(report);
        return HexBytes(report);
    }
    return HexBytes(bytes);
}

std::string TraceDecoder::Line(bool set, std::span<const std::uint8_t> bytes, bool ok) {
    const bool command = bytes.size() == kCommandReportSize;
    std::string line = std::string(set ? "SET " : "GET ") + (command ? "cmd " : "data ") +
                       UnscrambledHex(bytes) + " | ";
    if (command) {
        CommandBytes plain = CopyOf<CommandBytes>(bytes);
        UnscrambleCommandReport(plain);
        line += DescribeCommand(set, plain);
    } else if (bytes.size() == kDataReportSize) {
        line += DescribeData();
    } else {
        line += "report of " + std::to_string(bytes.size()) + " bytes";
    }
    return ok ? line : line + " | FAILED";
}

std::string TraceDecoder::DescribeCommand(bool set, std::span<const std::uint8_t, 8> plain) {
    const CommandReport report = CommandReportFromBytes(CopyOf<CommandBytes>(plain));
    if (!HasCommandSignature(report)) {
        return set ? "command without signature" : "reply without signature";
    }
    const std::uint8_t command = report.command;
    if (set) {
        lastCommand_ = command;
    }
    const int page = command & 0x7F;
    if (command == kCommandReadHeader) {
        return set ? "read header"
                   : "header reply: " + HeaderValues(report.reportRate, report.dpiStage) +
                         (report.reportId == kCommandReportId
                              ? ""
                              : ", report id " + std::to_string(report.reportId));
    }
    if (command == kCommandWriteHeader) {
        return set ? "write header: " + HeaderValues(report.reportRate, report.dpiStage)
                   : "acknowledgement of write header";
    }
    const std::string what = std::string(command & kCommandReadHeader ? "read" : "write") +
                             " page " + std::to_string(page);
    return set ? what : "acknowledgement of " + what;
}

std::string TraceDecoder::DescribeData() const {
    if (lastCommand_ < 0) {
        return "data without a command";
    }
    return "page " + std::to_string(lastCommand_ & 0x7F);
}

TracingHidPort::TracingHidPort(HidPort& inner, std::ostream& out)
    : ForwardingHidPort(inner), out_(out) {}

bool TracingHidPort::SetFeature(HidHandle handle, std::span<const std::uint8_t> report) {
    const bool ok = inner_.SetFeature(handle, report);
    out_ << decoder_.Line(true, report, ok) << '\n' << std::flush;
    return ok;
}

bool TracingHidPort::GetFeature(HidHandle handle, std::span<std::uint8_t> report) {
    const bool ok = inner_.GetFeature(handle, report);
    out_ << decoder_.Line(false, report, ok) << '\n' << std::flush;
    return ok;
}

// ------------------------------------------------------------ console messages

namespace {

// Some fixed texts end in a line break meant for a box; a console line has its own.
std::wstring WithoutTrailingBlanks(std::wstring text) {
    while (!text.empty() && (text.back() == L'\n' || text.back() == L'\r' || text.back() == L' ')) {
        text.pop_back();
    }
    return text;
}

}  // namespace

ConsoleMessages::ConsoleMessages(std::ostream& err, const LanguageTexts& texts)
    : err_(err), texts_(texts) {}

void ConsoleMessages::Show(MessageKind kind, Caption caption, std::int64_t value) {
    const std::wstring program = FromUtf8(kProgramName);
    const std::wstring title = CaptionText(caption, program);
    err_ << kProgramName << ": ";
    if (!title.empty() && title != program) {
        err_ << ToUtf8(title) << ": ";
    }
    err_ << ToUtf8(WithoutTrailingBlanks(MessageText(texts_, kind, value))) << '\n';
}

// -------------------------------------------------------------- device session

namespace {

std::unique_ptr<HidPort> MakeSimulatedMouse(CtlContext& context, const CommonOptions& options) {
    SimulatedMouseSettings settings =
        SimulatedMouseSettingsFor(ProgramFolder(context.facts), context.environment);
    if (!options.memoryFile.empty()) {
        settings.memoryFile = FromUtf8(options.memoryFile);
    }
    return std::make_unique<SimulatedMouse>(OptionsOf(settings));
}

std::string MouseIds() {
    return Hex4(kMouseVendorId).substr(2) + ":" + Hex4(kMouseProductId).substr(2);
}

}  // namespace

std::wstring ProgramFolder(SystemFacts& facts) {
    return WidePath(FsPath(facts.ExecutablePath()).parent_path());
}

DeviceSession::DeviceSession(CtlContext& context, const CommonOptions& options)
    : context_(context),
      messages_(context.err, LanguageTextsFor(context.facts.DefaultLanguageId())) {
    device_ = options.simulate ? MakeSimulatedMouse(context, options) : context.makeRealPort();
    if (!device_) {
        throw Failed(
            "this build has no access to HID devices; use --simulate for the simulated mouse");
    }
    port_ = device_.get();
    if (!options.traceFile.empty()) {
        traceFile_.open(FsPath(FromUtf8(options.traceFile)), std::ios::out | std::ios::trunc);
        if (!traceFile_) {
            throw Failed("cannot write the trace file " + options.traceFile +
                         "; choose a writable place for --trace");
        }
        traceFile_ << "# corvanectl trace: every feature transfer, unscrambled\n";
        tracer_ = std::make_unique<TracingHidPort>(*device_, traceFile_);
        port_ = tracer_.get();
    }
    link_ = std::make_unique<MouseLink>(*port_, state_, context.facts, messages_);
}

DeviceSession::~DeviceSession() {
    link_->CloseHandles();
}

bool DeviceSession::TryConnect() {
    return link_->FindMouse();
}

void DeviceSession::Connect() {
    if (!TryConnect()) {
        throw Failed("the mouse (" + MouseIds() +
                     ") was not found. Plug it in and try again; `corvanectl list` shows the HID "
                     "interfaces seen and why one could not be opened");
    }
}

const DeviceImage& DeviceSession::Read() {
    if (!link_->ReadDevice()) {
        throw Failed(
            "the mouse's memory could not be read completely. Check its cable and try "
            "again; --trace FILE records the exchange for a bug report");
    }
    return state_.image;
}

bool DeviceSession::Write() {
    return link_->WriteDevice();
}

}  // namespace corvane::ctl
