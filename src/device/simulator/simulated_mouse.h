// The substitute for the mouse: a HidPort that lists HID interfaces (by
// default another vendor's device, then the mouse's data and command
// interfaces) and answers the feature-report exchange as the device does,
// from a 322-byte memory in image order. It unscrambles what it receives and
// scrambles its replies with its own implementation of the transform, can
// keep its memory in a file, log every transfer, and fail on request.
#pragma once

#include <array>
#include <cstdint>
#include <fstream>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "device/hid_port.h"
#include "device/simulator/simulated_memory.h"

namespace corvane {

enum class SimulatedInterfaceKind { Foreign, Data, Command };

struct SimulatedInterface {
    SimulatedInterfaceKind kind = SimulatedInterfaceKind::Foreign;
    std::wstring path;
    HidAttributes attributes{};
    HidCaps caps{};
    bool detailFails = false;       // its detail record cannot be read
    bool queryOpenFails = false;    // the first open of a pass fails
    bool channelOpenFails = false;  // every later open of the same pass fails
    bool preparsedFails = false;    // no preparsed data
    bool capsInvalid = false;       // capabilities: invalid preparsed data
};

// Another vendor's mouse; `n` makes its path unique.
SimulatedInterface ForeignInterface(int n);
SimulatedInterface MouseDataInterface();     // usage page 1, usage 2, feature length 65
SimulatedInterface MouseCommandInterface();  // usage page 1, usage 6, feature length 8
// `foreignDevices` foreign interfaces, then the mouse's data and command
// interfaces (command first when asked); no mouse when `mousePresent` is false.
std::vector<SimulatedInterface> StandardInterfaces(int foreignDevices = 1,
                                                   bool commandFirst = false,
                                                   bool mousePresent = true);

// How the header reply (to command 0x80) goes wrong.
enum class SimulatedReplyFault {
    None,
    NoReply,         // the get of the reply fails
    WrongSignature,  // bytes 1-4 are not AA CC EE DD
    ReportId2,       // right signature, report id 2
};

struct SimulatedMouseOptions {
    std::vector<SimulatedInterface> interfaces = StandardInterfaces();
    std::uint8_t sensorType = 0;  // factory memory, image byte 195
    SimulatedReplyFault replyFault = SimulatedReplyFault::None;
    // Every transfer from the k-th (1-based) on fails; 0 = never.
    std::uint32_t failFromTransfer = 0;
    unsigned transferDelayMs = 0;
    bool listFails = false;  // no interface list can be obtained
    // Enumeration fails with a system error other than "no more items" at
    // this index.
    std::optional<std::uint32_t> enumErrorAt;
    std::wstring memoryFile;   // empty: the memory lives only in the process
    std::wstring wireLogFile;  // empty: the wire log lives only in the process
    // How a delay is waited for; a real sleep when empty.
    std::function<void(unsigned)> sleep;
};

class SimulatedMouse final : public HidPort {
  public:
    explicit SimulatedMouse(SimulatedMouseOptions options = {});

    bool OpenInterfaceList() override;
    HidListing EnumInterface(std::uint32_t index) override;
    bool GetInterfacePath(std::uint32_t index, std::wstring& path) override;
    void CloseInterfaceList() override;
    HidHandle Open(const std::wstring& path, HidOpenPurpose purpose,
                   std::uint32_t& lastError) override;
    void Close(HidHandle handle) override;
    bool GetAttributes(HidHandle handle, HidAttributes& attributes) override;
    bool GetPreparsedData(HidHandle handle, HidPreparsedData& data) override;
    void FreePreparsedData(HidPreparsedData data) override;
    HidCapsStatus GetCaps(HidPreparsedData data, HidCaps& caps) override;
    bool SetFeature(HidHandle handle, std::span<const std::uint8_t> report) override;
    bool GetFeature(HidHandle handle, std::span<std::uint8_t> report) override;

    const SimulatedMemory& memory() const { return memory_; }
    void SetMemory(const SimulatedMemory& memory);
    // One line per transfer that crossed the wire: "SET cmd 01 52 ...".
    const std::vector<std::string>& wireLog() const { return wireLog_; }
    void ClearWireLog() { wireLog_.clear(); }
    // Feature transfers attempted on the mouse's channels.
    std::uint32_t transferCount() const { return transfers_; }
    std::size_t openHandleCount() const { return handles_.size(); }
    std::size_t openPreparsedCount() const { return preparsed_.size(); }
    std::size_t openListCount() const { return listOpen_ ? 1 : 0; }
    const SimulatedMouseOptions& options() const { return options_; }
    // Changes how later header replies go wrong.
    void SetReplyFault(SimulatedReplyFault fault) { options_.replyFault = fault; }
    // Pulls the mouse out or plugs it in, as a user does at run time.
    // Pulled out, its interfaces are neither listed nor opened, and handles
    // opened before fail every call, also after it is plugged in again (the
    // system gives a plugged-in device new handles). Its memory stays. A
    // list made without the mouse gets its two interfaces at the end.
    void SetMousePresent(bool present);
    bool mousePresent() const;

  private:
    struct OpenHandle {
        std::size_t index;       // into options_.interfaces
        std::uint32_t plugging;  // plugging_ when it was opened
    };
    bool IsMouse(std::size_t index) const;
    bool Listed(std::size_t index) const;
    // The interface at `index` of the list the system gives now.
    const SimulatedInterface* ListedAt(std::uint32_t index) const;
    const SimulatedInterface* InterfaceOf(HidHandle handle) const;
    bool BeginTransfer(const SimulatedInterface& channel, std::size_t length);
    bool SetCommand(std::span<const std::uint8_t> report);
    bool SetData(std::span<const std::uint8_t> report);
    bool GetCommand(std::span<std::uint8_t> report);
    bool GetData(std::span<std::uint8_t> report);
    void Log(const char* direction, const char* channel, std::span<const std::uint8_t> bytes);
    void SaveMemory();

    SimulatedMouseOptions options_;
    SimulatedMemory memory_{};
    std::vector<std::string> wireLog_;
    std::ofstream wireLogStream_;
    bool listOpen_ = false;
    std::map<std::wstring, int> opensThisPass_;
    std::map<HidHandle, OpenHandle> handles_;
    std::map<HidPreparsedData, std::size_t> preparsed_;
    std::intptr_t nextId_ = 0x100;
    std::uint32_t transfers_ = 0;
    bool unplugged_ = false;
    // Counts the mouse's pluggings in; a handle of an earlier one is dead.
    std::uint32_t plugging_ = 0;
    // The plain reply the command channel gives, set by the last command.
    std::optional<std::array<std::uint8_t, 8>> reply_;
    bool replyIsHeader_ = false;
    int pageToSend_ = 0;     // page selected by a read command
    int pageToReceive_ = 0;  // page selected by a write command
};

}  // namespace corvane
