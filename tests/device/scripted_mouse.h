// A mouse whose every answer comes from a byte script, and the rules of the
// protocol that hold whatever it answers. Discovery always finds the two
// interfaces; each feature transfer then succeeds or fails, and each reply
// carries what the script says. Every transfer is logged as the link sees it
// (unscrambled, in a buffer prepared as the link prepares its own), so that a
// checker can tell whether a read or write kept the rules: the exact order of
// transfers, a stop at the first failure or refused reply, a message for
// every failure, the image filled only by a complete signed read, and
// nothing sent unless such a read came first. Used by the protocol tests
// (random and hand-made scripts) and the protocol fuzz target (any bytes).
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <iterator>
#include <map>
#include <span>
#include <string>
#include <vector>

#include "device/device_state.h"
#include "device/mouse_link.h"
#include "device/reports.h"
#include "support/fake_system_facts.h"
#include "support/fake_user_messages.h"

namespace corvane::testing {

// The script's bytes in order; past its end every transfer succeeds and
// every command reply is signed, so a short script still reaches a full
// read and write.
class ByteScript {
  public:
    static constexpr std::uint8_t kEnd = 0xFD;
    explicit ByteScript(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}
    std::uint8_t Next() { return at_ < bytes_.size() ? bytes_[at_++] : kEnd; }
    bool Exhausted() const { return at_ >= bytes_.size(); }

  private:
    std::span<const std::uint8_t> bytes_;
    std::size_t at_ = 0;
};

// What a transfer's script byte means: below kFailBelow the transfer fails;
// otherwise a command reply is, by the byte modulo 4, raw script bytes (0),
// a signed reply with the report rate and DPI stage from the next two bytes
// (1, 2), or the same with the report id taken from the byte after them (3).
// A data reply is always raw script bytes.
inline constexpr std::uint8_t kFailBelow = 16;

enum class Channel { Unknown, Command, Data };

struct Transfer {
    bool set;
    Channel channel;
    bool ok;
    std::size_t length;      // bytes handed to the port
    CommandBytes command{};  // command channel, unscrambled
    DataBytes data{};        // data channel, unscrambled
};

class ScriptedPort final : public HidPort {
  public:
    explicit ScriptedPort(ByteScript& script, bool commandFirst = false)
        : script_(script), commandFirst_(commandFirst) {}

    std::vector<Transfer> log;

    bool OpenInterfaceList() override { return true; }
    HidListing EnumInterface(std::uint32_t index) override {
        return index < 2 ? HidListing::Listed : HidListing::NoMoreItems;
    }
    bool GetInterfacePath(std::uint32_t index, std::wstring& path) override {
        path = (index == 0) == commandFirst_ ? L"command" : L"data";
        return true;
    }
    void CloseInterfaceList() override {}
    HidHandle Open(const std::wstring& path, HidOpenPurpose, std::uint32_t&) override {
        channels_[++lastHandle_] = path == L"command" ? Channel::Command : Channel::Data;
        return lastHandle_;
    }
    void Close(HidHandle) override {}
    bool GetAttributes(HidHandle, HidAttributes& attributes) override {
        attributes = {kMouseVendorId, kMouseProductId, 1};
        return true;
    }
    bool GetPreparsedData(HidHandle handle, HidPreparsedData& data) override {
        data = handle;
        return true;
    }
    void FreePreparsedData(HidPreparsedData) override {}
    HidCapsStatus GetCaps(HidPreparsedData data, HidCaps& caps) override {
        caps =
            ChannelOf(data) == Channel::Command
                ? HidCaps{kUsageCommandInterface, kUsagePageGenericDesktop, 0, 0,
                          kCommandFeatureLength}
                : HidCaps{kUsageDataInterface, kUsagePageGenericDesktop, 0, 0, kDataFeatureLength};
        return HidCapsStatus::Success;
    }

    bool SetFeature(HidHandle handle, std::span<const std::uint8_t> report) override {
        const bool ok = script_.Next() >= kFailBelow;
        Record(true, ChannelOf(handle), ok, report, 0);
        return ok;
    }
    bool GetFeature(HidHandle handle, std::span<std::uint8_t> report) override {
        const Channel channel = ChannelOf(handle);
        const std::uint8_t how = script_.Next();
        const bool ok = how >= kFailBelow;
        if (ok && channel == Channel::Command && how % 4 != 0) {
            const std::uint8_t rate = script_.Next();
            const std::uint8_t stage = script_.Next();
            CommandReport reply = MakeCommandReport(kCommandReadHeader, rate, stage);
            if (how % 4 == 3) {
                reply.reportId = script_.Next();
            }
            CommandBytes bytes = ToBytes(reply);
            ScrambleCommandReport(bytes);
            std::copy_n(bytes.begin(), std::min(bytes.size(), report.size()), report.begin());
        } else if (ok) {
            for (std::uint8_t& byte : report) {
                byte = script_.Next();
            }
        }
        Record(false, channel, ok, report, channel == Channel::Command ? kCommandReportId : 0);
        return ok;
    }

  private:
    Channel ChannelOf(std::intptr_t handle) const {
        const auto it = channels_.find(handle);
        return it == channels_.end() ? Channel::Unknown : it->second;
    }
    // The report as the link reads it: its buffer (zeros, then the report
    // id a get is prepared with) overlaid with the bytes that crossed.
    void Record(bool set, Channel channel, bool ok, std::span<const std::uint8_t> bytes,
                std::uint8_t preparedId) {
        Transfer t{};
        t.set = set;
        t.channel = channel;
        t.ok = ok;
        t.length = bytes.size();
        if (channel == Channel::Command) {
            t.command[0] = preparedId;
            std::copy_n(bytes.begin(), std::min(bytes.size(), t.command.size()), t.command.begin());
            UnscrambleCommandReport(t.command);
        } else {
            std::copy_n(bytes.begin(), std::min(bytes.size(), t.data.size()), t.data.begin());
            UnscrambleDataReport(t.data);
        }
        log.push_back(t);
    }

    ByteScript& script_;
    bool commandFirst_;
    std::map<std::intptr_t, Channel> channels_;
    HidHandle lastHandle_ = 0;
};

// ---------------------------------------------------------------- the rules

struct Step {
    bool set;
    Channel channel;
    int command;  // command byte of a command set; -1 for the rest
};

// A full read: the header request and its reply, then per page a request,
// its acknowledgement and the page.
inline Step ReadStep(std::size_t i) {
    if (i < 2) {
        return i == 0 ? Step{true, Channel::Command, kCommandReadHeader}
                      : Step{false, Channel::Command, -1};
    }
    const int page = static_cast<int>((i - 2) / 3) + 1;
    switch ((i - 2) % 3) {
        case 0:
            return {true, Channel::Command, ReadPageCommand(page)};
        case 1:
            return {false, Channel::Command, -1};
        default:
            return {false, Channel::Data, -1};
    }
}
inline constexpr std::size_t kFullReadTransfers = 17;

// A full write: the handshake and its reply, the header, then per page a
// request, its acknowledgement and the page.
inline Step WriteStep(std::size_t i) {
    if (i < 3) {
        constexpr Step kStart[] = {{true, Channel::Command, kCommandReadHeader},
                                   {false, Channel::Command, -1},
                                   {true, Channel::Command, kCommandWriteHeader}};
        return kStart[i];
    }
    const int page = static_cast<int>((i - 3) / 3) + 1;
    switch ((i - 3) % 3) {
        case 0:
            return {true, Channel::Command, WritePageCommand(page)};
        case 1:
            return {false, Channel::Command, -1};
        default:
            return {true, Channel::Data, -1};
    }
}
inline constexpr std::size_t kFullWriteTransfers = 18;

inline bool Signed(const CommandBytes& reply) {
    return HasCommandSignature(CommandReportFromBytes(reply));
}

// Checks the transfers of one operation against its steps: each transfer is
// the expected one at the length of its channel, and the operation stops
// exactly at the first failed transfer or after a refused first reply.
// `complete` tells whether it ran to its end.
template <typename StepOf, typename Accepts>
std::string CheckSteps(const std::vector<Transfer>& log, const MouseLinkState& link,
                       std::size_t full, StepOf stepOf, Accepts accepts, bool& complete) {
    complete = false;
    const std::size_t commandLength = std::min<std::size_t>(link.commandReportLength, 8);
    const std::size_t dataLength = std::min<std::size_t>(link.dataReportLength, 65);
    const bool fullLengths = commandLength == 8 && dataLength == 65;
    for (std::size_t i = 0; i < log.size(); ++i) {
        const std::string at = "transfer " + std::to_string(i + 1) + ": ";
        if (i >= full) {
            return at + "more than a full operation";
        }
        const Transfer& t = log[i];
        const Step step = stepOf(i);
        if (t.set != step.set || t.channel != step.channel) {
            return at + "not the transfer of this step";
        }
        if (t.length != (t.channel == Channel::Command ? commandLength : dataLength)) {
            return at + "not the channel's report length";
        }
        if (fullLengths && step.command >= 0 &&
            (t.command[0] != kCommandReportId || !Signed(t.command) ||
             t.command[5] != step.command)) {
            return at + "wrong command report";
        }
        const bool stops = !t.ok || (i == 1 && !accepts(t.command));
        if (stops) {
            return i + 1 == log.size() ? "" : at + "went on after a failure or a refused reply";
        }
    }
    complete = log.size() == full;
    return complete ? "" : "stopped without a failure after " + std::to_string(log.size());
}

// A read: the image holds what the mouse sent exactly when the read was
// complete, and a read that was not shows its box.
inline std::string CheckRead(const std::vector<Transfer>& log,
                             const std::vector<ShownMessage>& shown, const DeviceState& state) {
    bool complete = false;
    const auto accepts = [](const CommandBytes& r) {
        return r[0] == kCommandReportId && Signed(r);
    };
    if (std::string error =
            CheckSteps(log, state.link, kFullReadTransfers, ReadStep, accepts, complete);
        !error.empty()) {
        return "read, " + error;
    }
    if (state.link.imageRead != complete) {
        return complete ? "complete read not marked" : "incomplete read marked as read";
    }
    const std::vector<ShownMessage> box = {{MessageKind::NotDetected, Caption::ReadOperation, 0}};
    if (shown != (complete ? std::vector<ShownMessage>{} : box)) {
        return complete ? "message after a complete read" : "failed read without its one box";
    }
    if (complete) {
        if (state.image.reportRate != log[1].command[6] ||
            state.image.dpiStage != log[1].command[7]) {
            return "image header is not the reply's";
        }
        for (int page = 1; page <= kPageCount; ++page) {
            const DataBytes& sent = log[2 + 3 * (page - 1) + 2].data;
            if (!std::equal(sent.begin() + 1, sent.end(), state.image.page(page).begin())) {
                return "image page " + std::to_string(page) + " is not the mouse's";
            }
        }
    }
    return "";
}

// A write: nothing at all crosses unless a complete read came first; then
// the image goes out whole, or the first failure ends it with a box.
inline std::string CheckWrite(const std::vector<Transfer>& log,
                              const std::vector<ShownMessage>& shown, const DeviceState& state,
                              bool readBefore, bool result) {
    const std::vector<ShownMessage> box = {{MessageKind::NotDetected, Caption::WriteOperation, 0}};
    if (!readBefore) {
        if (!log.empty()) {
            return "write sent something without a complete read";
        }
        return !result && shown == box ? "" : "refused write without its box";
    }
    bool complete = false;
    if (std::string error =
            CheckSteps(log, state.link, kFullWriteTransfers, WriteStep, Signed, complete);
        !error.empty()) {
        return "write, " + error;
    }
    if (result != complete || shown != (complete ? std::vector<ShownMessage>{} : box)) {
        return "write result or box does not match what was sent";
    }
    if (complete && state.link.commandReportLength == 8 && state.link.dataReportLength == 65) {
        if (log[2].command[6] != state.image.reportRate ||
            log[2].command[7] != state.image.dpiStage) {
            return "header written is not the image's";
        }
        for (int page = 1; page <= kPageCount; ++page) {
            const DataBytes& sent = log[3 + 3 * (page - 1) + 2].data;
            if (sent[0] != kDataReportId ||
                !std::equal(sent.begin() + 1, sent.end(), state.image.page(page).begin())) {
                return "page " + std::to_string(page) + " written is not the image's";
            }
        }
    }
    return "";
}

// Report lengths a script may force after discovery (index by a script
// byte); anything but the first few keeps discovery's lengths.
inline constexpr std::uint16_t kOddReportLengths[][2] = {{0, 0}, {1, 64}, {7, 66}, {9, 4096}};

struct SessionResult {
    std::string error;  // the first rule broken; empty when every one held
    int fullReads = 0;
    int fullWrites = 0;
};

// Finds the mouse and reads and writes it as the program does, up to
// `rounds` times while the script lasts (a second round is the mouse found
// again at its path).
inline SessionResult RunScriptedSession(std::span<const std::uint8_t> bytes, int rounds = 2) {
    SessionResult result;
    ByteScript script(bytes);
    ScriptedPort port(script, (script.Next() & 1) != 0);
    DeviceState state;
    FakeSystemFacts facts;
    FakeUserMessages messages;
    MouseLink link(port, state, facts, messages);
    for (int round = 0; round < rounds && (round == 0 || !script.Exhausted()); ++round) {
        if (!link.FindMouse()) {
            result.error = "the mouse's two interfaces were not found";
            return result;
        }
        if (const std::uint8_t odd = script.Next(); odd < std::size(kOddReportLengths)) {
            state.link.commandReportLength = kOddReportLengths[odd][0];
            state.link.dataReportLength = kOddReportLengths[odd][1];
        }
        port.log.clear();
        messages.shown.clear();
        link.ReadDevice();
        result.error = CheckRead(port.log, messages.shown, state);
        if (!result.error.empty()) {
            return result;
        }
        result.fullReads += state.link.imageRead ? 1 : 0;
        // Edits between read and write change the image, not the rules.
        state.image.bytes()[script.Next() % kDeviceImageSize] ^= 0x5A;
        const bool readBefore = state.link.imageRead;
        port.log.clear();
        messages.shown.clear();
        const bool written = link.WriteDevice();
        result.error = CheckWrite(port.log, messages.shown, state, readBefore, written);
        if (!result.error.empty()) {
            return result;
        }
        result.fullWrites += written ? 1 : 0;
    }
    return result;
}

}  // namespace corvane::testing
