// One command's link to the mouse (or the simulated mouse): the port, traced
// when asked, discovery, the full read and the full write, with the device
// link's messages on standard error and failures turned into exit codes.
//
// The bug-report trace is a HidPort that passes every call to the port it
// wraps and writes one line per feature transfer, unscrambled and decoded:
//   SET cmd 01 AA CC EE DD 81 00 00 | read page 1
//   GET data 00 ... | page 1
// A failed transfer ends in "| FAILED" (a failed get shows the buffer as it
// was prepared). Lines starting with "#" are comments.
#pragma once

#include <cstdint>
#include <fstream>
#include <memory>
#include <ostream>
#include <span>
#include <string>

#include "app/ctl/ctl.h"
#include "core/user_messages.h"
#include "device/device_state.h"
#include "device/hid_port.h"
#include "device/mouse_link.h"
#include "meaning/language_texts.h"

namespace corvane::ctl {

// Turns the transfers of one exchange, in order, into trace lines; it
// remembers the last command to say what a reply or data report carries.
class TraceDecoder {
  public:
    // `bytes` as they crossed the wire (scrambled).
    std::string Line(bool set, std::span<const std::uint8_t> bytes, bool ok);

  private:
    std::string DescribeCommand(bool set, std::span<const std::uint8_t, 8> plain);
    std::string DescribeData() const;

    int lastCommand_ = -1;  // none yet
};

// "0x5D", "0x00B5".
std::string Hex2(unsigned value);
std::string Hex4(unsigned value);
// `text` filled up with blanks to `width` characters, for columns.
std::string Padded(std::string text, std::size_t width);
// Upper-case hex bytes separated by spaces, as the simulated mouse logs them.
std::string HexBytes(std::span<const std::uint8_t> bytes);
// The bytes of a report with its scrambled blocks unscrambled (8-byte
// command and 65-byte data reports; any other length as it is).
std::string UnscrambledHex(std::span<const std::uint8_t> bytes);

// A HidPort that passes every call to the port it wraps: the base of a port
// that changes or watches only some of them.
class ForwardingHidPort : public HidPort {
  public:
    explicit ForwardingHidPort(HidPort& inner) : inner_(inner) {}

    bool OpenInterfaceList() override { return inner_.OpenInterfaceList(); }
    HidListing EnumInterface(std::uint32_t index) override { return inner_.EnumInterface(index); }
    bool GetInterfacePath(std::uint32_t index, std::wstring& path) override {
        return inner_.GetInterfacePath(index, path);
    }
    void CloseInterfaceList() override { inner_.CloseInterfaceList(); }
    bool NeedsAccessRule(std::uint32_t openError) const override {
        return inner_.NeedsAccessRule(openError);
    }
    HidHandle Open(const std::wstring& path, HidOpenPurpose purpose,
                   std::uint32_t& lastError) override {
        return inner_.Open(path, purpose, lastError);
    }
    HidHandle OpenForQuery(const std::wstring& path, std::uint32_t& lastError) override {
        return inner_.OpenForQuery(path, lastError);
    }
    void Close(HidHandle handle) override { inner_.Close(handle); }
    bool GetAttributes(HidHandle handle, HidAttributes& attributes) override {
        return inner_.GetAttributes(handle, attributes);
    }
    bool GetPreparsedData(HidHandle handle, HidPreparsedData& data) override {
        return inner_.GetPreparsedData(handle, data);
    }
    void FreePreparsedData(HidPreparsedData data) override { inner_.FreePreparsedData(data); }
    HidCapsStatus GetCaps(HidPreparsedData data, HidCaps& caps) override {
        return inner_.GetCaps(data, caps);
    }
    bool SetFeature(HidHandle handle, std::span<const std::uint8_t> report) override {
        return inner_.SetFeature(handle, report);
    }
    bool GetFeature(HidHandle handle, std::span<std::uint8_t> report) override {
        return inner_.GetFeature(handle, report);
    }

  protected:
    HidPort& inner_;
};

class TracingHidPort final : public ForwardingHidPort {
  public:
    TracingHidPort(HidPort& inner, std::ostream& out);

    bool SetFeature(HidHandle handle, std::span<const std::uint8_t> report) override;
    bool GetFeature(HidHandle handle, std::span<std::uint8_t> report) override;

  private:
    std::ostream& out_;
    TraceDecoder decoder_;
};

// The user-message seam on a console: what the window shows in a message box
// is printed to standard error as "corvanectl: CAPTION: TEXT", in the same
// words and language.
class ConsoleMessages final : public UserMessages {
  public:
    ConsoleMessages(std::ostream& err, const LanguageTexts& texts);

    void Show(MessageKind kind, Caption caption, std::int64_t value = 0) override;

  private:
    std::ostream& err_;
    const LanguageTexts& texts_;
};

class DeviceSession {
  public:
    // Makes the port; throws when the trace file cannot be written or this
    // build has no HID port.
    DeviceSession(CtlContext& context, const CommonOptions& options);
    ~DeviceSession();

    HidPort& port() { return *port_; }
    DeviceState& state() { return state_; }

    // Finds the mouse; throws (exit 1) with what to do when it is absent.
    void Connect();
    // Finds the mouse; false when it is absent.
    bool TryConnect();
    // Full read into state().image and sensorType; throws (exit 1) when it
    // did not complete.
    const DeviceImage& Read();
    // Full write of state().image; false (its "WriteOperation" message shown)
    // when it did not arrive whole.
    bool Write();

  private:
    CtlContext& context_;
    ConsoleMessages messages_;
    DeviceState state_;
    std::unique_ptr<HidPort> device_;
    std::ofstream traceFile_;
    std::unique_ptr<TracingHidPort> tracer_;
    HidPort* port_ = nullptr;
    std::unique_ptr<MouseLink> link_;
};

// The folder the running program lies in.
std::wstring ProgramFolder(SystemFacts& facts);

}  // namespace corvane::ctl
