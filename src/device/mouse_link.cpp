#include "device/mouse_link.h"

#include <algorithm>

namespace corvane {
namespace {

// printf's "%0Nx": lower-case hexadecimal, at least `digits` digits.
std::wstring Hex(unsigned value, int digits) {
    std::wstring text;
    do {
        text.insert(text.begin(), L"0123456789abcdef"[value & 0xF]);
        value >>= 4;
    } while (value != 0);
    if (static_cast<int>(text.size()) < digits) {
        text.insert(0, static_cast<std::size_t>(digits) - text.size(), L'0');
    }
    return text;
}

std::wstring AttributesTrace(const HidAttributes& a) {
    return L"PID:" + Hex(a.productId, 4) + L"\n,VID:" + Hex(a.vendorId, 4) + L"\n,VersionNumber:" +
           Hex(a.versionNumber, 4) + L"\n";
}

std::wstring CapsTrace(const std::wstring& path, const HidCaps& c) {
    return L"DevicePath:" + path + L",\nUsage:0x" + Hex(c.usage, 4) + L"\n, UsagePage:0x" +
           Hex(c.usagePage, 4) + L"\n,FeatureReportByteLength:0x" +
           Hex(c.featureReportByteLength, 4) + L"\n,InputReportByteLength:0x" +
           Hex(c.inputReportByteLength, 0) + L"\n,OutputReportByteLength:0x" +
           Hex(c.outputReportByteLength, 0) + L"\n";
}

std::wstring HeaderTrace(std::uint8_t reportRate, std::uint8_t dpiStage) {
    return L"USBReportRate:" + Hex(reportRate, 2) + L"\n,SensorDPIStage:" + Hex(dpiStage, 2) +
           L".\n";
}

bool IsMouse(const HidAttributes& a) {
    return a.vendorId == kMouseVendorId && a.productId == kMouseProductId;
}

// The first `length` bytes of a report buffer, never more than the buffer.
template <std::size_t N>
std::span<std::uint8_t> Prefix(std::array<std::uint8_t, N>& buffer, std::uint16_t length) {
    return std::span<std::uint8_t>(buffer).first(std::min<std::size_t>(length, N));
}

CommandBytes EmptyCommandReply() {
    CommandBytes reply{};
    reply[0] = kCommandReportId;
    return reply;
}

}  // namespace

MouseLink::MouseLink(HidPort& port, DeviceState& state, SystemFacts& facts, UserMessages& messages)
    : port_(port), state_(state), link_(state.link), facts_(facts), messages_(messages) {}

bool MouseLink::FindMouse() {
    CloseHandles();
    link_.commandPath.clear();
    bool found = false;
    if (port_.OpenInterfaceList()) {
        found = SearchInterfaces();
        port_.CloseInterfaceList();
    }
    // A removal that finds the mouse reads nothing: what was read stays the
    // mouse's memory only if the same unit answers at the same path.
    link_.imageRead = found && link_.imageRead && link_.commandPath == link_.imagePath;
    return found;
}

// One pass over the interface list. Up to the command interface every failure
// ends the search unsuccessfully; once the command channel is open the pass
// goes on only to find a data interface listed after it, and its failures
// end the pass with the mouse found.
bool MouseLink::SearchInterfaces() {
    bool commandOpen = false;
    for (std::uint32_t index = 0;; ++index) {
        const HidListing listing = port_.EnumInterface(index);
        if (listing == HidListing::NoMoreItems) {
            return commandOpen;
        }
        switch (ExamineInterface(index, commandOpen)) {
            case Verdict::Next:
                break;
            case Verdict::Fail:
                return commandOpen;
            case Verdict::DataOpened:
                if (commandOpen) {
                    return true;
                }
                break;
            case Verdict::CommandOpened:
                if (link_.dataHandle != kInvalidHidHandle) {
                    return true;
                }
                commandOpen = true;
                break;
        }
        // Any other enumeration failure: this index was examined, the loop
        // ends here.
        if (listing == HidListing::Failed) {
            return commandOpen;
        }
    }
}

MouseLink::Verdict MouseLink::ExamineInterface(std::uint32_t index, bool commandOpen) {
    std::wstring path;
    if (!port_.GetInterfacePath(index, path)) {
        return Verdict::Fail;
    }
    link_.devicePath = path;

    CloseHandle(link_.queryHandle);
    std::uint32_t error = 0;
    link_.queryHandle = port_.OpenForQuery(path, error);
    if (link_.queryHandle == kInvalidHidHandle) {
        return Verdict::Fail;
    }
    HidAttributes attributes{};
    port_.GetAttributes(link_.queryHandle, attributes);
    facts_.Trace(AttributesTrace(attributes));
    if (!IsMouse(attributes)) {
        CloseHandle(link_.queryHandle);
        return Verdict::Next;
    }

    HidPreparsedData preparsed = 0;
    const bool havePreparsed = port_.GetPreparsedData(link_.queryHandle, preparsed);
    CloseHandle(link_.queryHandle);
    if (!havePreparsed) {
        return Verdict::Fail;
    }
    HidCaps caps{};
    const HidCapsStatus status = port_.GetCaps(preparsed, caps);
    port_.FreePreparsedData(preparsed);
    if (status == HidCapsStatus::InvalidPreparsedData) {
        return Verdict::Fail;
    }
    facts_.Trace(CapsTrace(path, caps));

    if (caps.usage == kUsageDataInterface) {
        if (caps.usagePage != kUsagePageGenericDesktop ||
            caps.featureReportByteLength != kDataFeatureLength) {
            return Verdict::Next;
        }
        return OpenChannel(path, HidOpenPurpose::DataChannel, caps.featureReportByteLength,
                           link_.dataHandle, link_.dataReportLength)
                   ? Verdict::DataOpened
                   : Verdict::Fail;
    }
    if (caps.usage == kUsageCommandInterface && caps.usagePage == kUsagePageGenericDesktop &&
        caps.featureReportByteLength == kCommandFeatureLength && !commandOpen) {
        state_.devicePresent = 1;
        if (!OpenChannel(path, HidOpenPurpose::CommandChannel, caps.featureReportByteLength,
                         link_.commandHandle, link_.commandReportLength)) {
            return Verdict::Fail;
        }
        link_.commandPath = path;
        return Verdict::CommandOpened;
    }
    return Verdict::Next;
}

// Opens one of the two channels into `handle` (a channel met twice in a pass
// replaces the first) and keeps its report length; a channel that cannot be
// opened is reported with the system error.
bool MouseLink::OpenChannel(const std::wstring& path, HidOpenPurpose purpose,
                            std::uint16_t featureLength, HidHandle& handle,
                            std::uint16_t& reportLength) {
    CloseHandle(handle);
    std::uint32_t error = 0;
    handle = port_.Open(path, purpose, error);
    if (handle == kInvalidHidHandle) {
        messages_.Show(MessageKind::CreateFileError, Caption::AppTitle, error);
        return false;
    }
    reportLength = featureLength;
    return true;
}

void MouseLink::CloseHandle(HidHandle& handle) {
    if (handle != kInvalidHidHandle) {
        port_.Close(handle);
        handle = kInvalidHidHandle;
    }
}

void MouseLink::CloseHandles() {
    CloseHandle(link_.queryHandle);
    CloseHandle(link_.commandHandle);
    CloseHandle(link_.dataHandle);
}

bool MouseLink::SendCommand(std::uint8_t command, bool scramble, std::uint8_t reportRate,
                            std::uint8_t dpiStage) {
    CommandBytes report = ToBytes(MakeCommandReport(command, reportRate, dpiStage));
    if (scramble) {
        ScrambleCommandReport(report);
    }
    return port_.SetFeature(link_.commandHandle, Prefix(report, link_.commandReportLength));
}

bool MouseLink::GetCommandReply(CommandReport& reply) {
    CommandBytes bytes = EmptyCommandReply();
    const bool ok = port_.GetFeature(link_.commandHandle, Prefix(bytes, link_.commandReportLength));
    if (Scrambling()) {
        UnscrambleCommandReport(bytes);
    }
    reply = CommandReportFromBytes(bytes);
    return ok;
}

bool MouseLink::ReadHeader() {
    // The first request goes out scrambled whatever the flag says.
    if (!SendCommand(kCommandReadHeader, true)) {
        return false;
    }
    CommandReport reply{};
    if (!GetCommandReply(reply) || reply.reportId != kCommandReportId ||
        !HasCommandSignature(reply)) {
        return false;
    }
    state_.image.reportRate = reply.reportRate;
    state_.image.dpiStage = reply.dpiStage;
    facts_.Trace(HeaderTrace(reply.reportRate, reply.dpiStage));
    return true;
}

bool MouseLink::ReadPage(int page) {
    if (!SendCommand(ReadPageCommand(page), Scrambling())) {
        return false;
    }
    CommandReport acknowledgement{};  // not compared
    if (!GetCommandReply(acknowledgement)) {
        return false;
    }
    DataBytes bytes{};
    bytes[0] = kDataReportId;
    if (!port_.GetFeature(link_.dataHandle, Prefix(bytes, link_.dataReportLength))) {
        return false;
    }
    if (Scrambling()) {
        UnscrambleDataReport(bytes);
    }
    CopyPageOut(DataReportFromBytes(bytes), state_.image.page(page));
    return true;
}

bool MouseLink::ReadDevice() {
    state_.scrambleEnabled = 1;
    state_.image = DeviceImage{};
    const bool read = ReadImage();
    // Taken whatever the read reached: a part-read image gives its zero.
    state_.sensorType = state_.image.page4.sensorType;
    if (!read) {
        messages_.Show(MessageKind::NotDetected, Caption::ReadOperation);
    }
    return read;
}

bool MouseLink::ReadImage() {
    link_.imageRead = false;
    if (!ReadHeader()) {
        return false;
    }
    for (int page = 1; page <= kPageCount; ++page) {
        if (!ReadPage(page)) {
            return false;
        }
    }
    link_.imageRead = true;
    link_.imagePath = link_.commandPath;
    return true;
}

bool MouseLink::WriteDevice() {
    if (!link_.imageRead || !WriteImage()) {
        messages_.Show(MessageKind::NotDetected, Caption::WriteOperation);
        return false;
    }
    return true;
}

// The header and the five pages, each followed by the device's pause. The
// first transfer that fails ends the write: the mouse is gone, and going on
// would only report success for pages that never arrived.
bool MouseLink::WriteImage() {
    if (!WriteHandshake() || !SendCommand(kCommandWriteHeader, Scrambling(),
                                          state_.image.reportRate, state_.image.dpiStage)) {
        return false;
    }
    facts_.Sleep(kWritePauseMs);
    for (int page = 1; page <= kPageCount; ++page) {
        if (!WritePage(page)) {
            return false;
        }
        facts_.Sleep(kWritePauseMs);
    }
    return true;
}

// Only the signature of the reply counts, not its report id.
bool MouseLink::WriteHandshake() {
    if (!SendCommand(kCommandReadHeader, Scrambling())) {
        return false;
    }
    CommandReport reply{};
    return GetCommandReply(reply) && HasCommandSignature(reply);
}

bool MouseLink::WritePage(int page) {
    if (!SendCommand(WritePageCommand(page), Scrambling())) {
        return false;
    }
    CommandReport acknowledgement{};  // its content is not compared
    if (!GetCommandReply(acknowledgement)) {
        return false;
    }
    DataBytes bytes = ToBytes(MakeDataReport(state_.image.page(page)));
    if (Scrambling()) {
        ScrambleDataReport(bytes);
    }
    return port_.SetFeature(link_.dataHandle, Prefix(bytes, link_.dataReportLength));
}

}  // namespace corvane
