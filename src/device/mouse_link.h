// The link to the mouse: discovery of its two HID interfaces and the full
// read and full write of its memory through scrambled feature reports.
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "core/system_facts.h"
#include "core/user_messages.h"
#include "device/device_state.h"
#include "device/hid_port.h"
#include "device/reports.h"

namespace corvane {

inline constexpr std::uint16_t kMouseVendorId = 0x04D9;
inline constexpr std::uint16_t kMouseProductId = 0xA09E;
inline constexpr std::uint16_t kUsagePageGenericDesktop = 0x0001;
inline constexpr std::uint16_t kUsageCommandInterface = 0x0006;
inline constexpr std::uint16_t kUsageDataInterface = 0x0002;
inline constexpr std::uint16_t kCommandFeatureLength = 8;
inline constexpr std::uint16_t kDataFeatureLength = 65;
inline constexpr unsigned kWritePauseMs = 20;

class MouseLink {
  public:
    MouseLink(HidPort& port, DeviceState& state, SystemFacts& facts, UserMessages& messages);

    // Walks the HID interfaces once and opens the mouse's command and data
    // channels into state.link. True when the command channel is open. Sets
    // state.devicePresent when the command interface is reached. Handles of
    // an earlier discovery are closed first. The image of the last full read
    // stays valid only when the mouse is found again at the same
    // command-channel path; any other outcome may be another unit.
    bool FindMouse();
    // The full read of a found mouse: scrambling on, the image cleared and
    // filled from the mouse, the sensor type taken from it. Any failed
    // transfer or a header without the signature shows the "ReadOperation"
    // box and stops, leaving the image part-filled and unreadable for a
    // write. True when the whole memory was read.
    bool ReadDevice();
    // Sends the whole of state.image. Refused when no full read of this
    // mouse has succeeded; otherwise every set and get must succeed, and the
    // first that fails ends the write. Either way the "WriteOperation" box
    // shows, and the result is false. True only when the whole image arrived.
    bool WriteDevice();
    // Closes the command, data and query handles that are open.
    void CloseHandles();

  private:
    enum class Verdict { Next, Fail, DataOpened, CommandOpened };

    bool SearchInterfaces();
    Verdict ExamineInterface(std::uint32_t index, bool commandOpen);
    bool OpenChannel(const std::wstring& path, HidOpenPurpose purpose, std::uint16_t featureLength,
                     HidHandle& handle, std::uint16_t& reportLength);
    void CloseHandle(HidHandle& handle);

    bool ReadImage();
    bool ReadHeader();
    bool ReadPage(int page);
    bool WriteImage();
    bool WriteHandshake();
    bool WritePage(int page);
    bool SendCommand(std::uint8_t command, bool scramble, std::uint8_t reportRate = 0,
                     std::uint8_t dpiStage = 0);
    bool GetCommandReply(CommandReport& reply);
    bool Scrambling() const { return state_.scrambleEnabled == 1; }

    HidPort& port_;
    DeviceState& state_;
    MouseLinkState& link_;
    SystemFacts& facts_;
    UserMessages& messages_;
};

}  // namespace corvane
