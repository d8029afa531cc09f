#include "app/ctl/trace_port.h"

#include <algorithm>

#include "app/ctl/value_names.h"
#include "device/reports.h"

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

}  // namespace corvane::ctl
