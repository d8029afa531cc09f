// The protocol under replies of any content: hand-made replies without the
// signature, random scripts checked against every rule of the protocol (the
// same rules the protocol fuzz target checks), and a port that answers
// anything at all, discovery included.
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "scripted_mouse.h"

namespace corvane::testing {
namespace {

const std::vector<ShownMessage> kNone;
const std::vector<ShownMessage> kReadBox = {{MessageKind::NotDetected, Caption::ReadOperation, 0}};
const std::vector<ShownMessage> kWriteBox = {
    {MessageKind::NotDetected, Caption::WriteOperation, 0}};

// Script bytes of a transfer that succeeds, and of a command reply.
constexpr std::uint8_t kOk = ByteScript::kEnd;
constexpr std::uint8_t kFails = 0;
constexpr std::uint8_t kRawReply = 0x40;
constexpr std::uint8_t kSignedReplyWithId = 0x43;

std::vector<std::uint8_t> RawReply(CommandReport report, bool scramble = true) {
    CommandBytes bytes = ToBytes(report);
    if (scramble) {
        ScrambleCommandReport(bytes);
    }
    std::vector<std::uint8_t> script = {kRawReply};
    script.insert(script.end(), bytes.begin(), bytes.end());
    return script;
}

CommandReport WithSignatureByte(int index, std::uint8_t value) {
    CommandReport report = MakeCommandReport(kCommandReadHeader, 8, 2);
    report.signature[index] = value;
    return report;
}

// First replies the read refuses, as they cross the wire; the write's
// handshake refuses them too, except a signed reply with another report id.
struct RefusedReply {
    const char* what;
    std::vector<std::uint8_t> script;  // the script of the get
    bool handshakeAccepts;
};

std::vector<RefusedReply> RefusedReplies() {
    std::vector<RefusedReply> replies = {
        {"the get fails", {kFails}, false},
        {"all zeros", {kRawReply, 0, 0, 0, 0, 0, 0, 0, 0}, false},
        {"not scrambled", RawReply(MakeCommandReport(kCommandReadHeader), false), false},
        {"report id 2", {kSignedReplyWithId, 8, 2, 2}, true},
        {"report id 0", {kSignedReplyWithId, 8, 2, 0}, true},
    };
    for (int i = 0; i < 4; ++i) {
        const std::uint8_t right = kCommandSignature[i];
        for (const std::uint8_t wrong : {std::uint8_t(right ^ 0x01), std::uint8_t(right ^ 0x80),
                                         std::uint8_t(0), std::uint8_t(0xFF)}) {
            replies.push_back(
                {"a signature byte differs", RawReply(WithSignatureByte(i, wrong)), false});
        }
    }
    return replies;
}

// A complete read whose replies are all good.
std::vector<std::uint8_t> GoodReadScript() {
    std::vector<std::uint8_t> script = {kOk, kOk, 8, 2};
    for (int page = 1; page <= kPageCount; ++page) {
        script.insert(script.end(), {kOk, kOk, 0, 0, kOk});
        script.insert(script.end(), kDataReportSize, static_cast<std::uint8_t>(page));
    }
    return script;
}

struct Session {
    explicit Session(std::vector<std::uint8_t> bytes) : bytes(std::move(bytes)) {}
    void FindAndRead() {
        ASSERT_TRUE(link.FindMouse());
        link.ReadDevice();
    }
    std::vector<std::uint8_t> bytes;
    ByteScript script{bytes};
    ScriptedPort port{script};
    DeviceState state;
    FakeSystemFacts facts;
    FakeUserMessages messages;
    MouseLink link{port, state, facts, messages};
};

TEST(ProtocolRobustnessTest, AFirstReplyWithoutTheSignatureLeavesTheImageUnreadAndSendsNothing) {
    for (const RefusedReply& reply : RefusedReplies()) {
        SCOPED_TRACE(reply.what);
        std::vector<std::uint8_t> script = {kOk};
        script.insert(script.end(), reply.script.begin(), reply.script.end());
        Session read(script);
        read.FindAndRead();
        EXPECT_FALSE(read.state.link.imageRead);
        EXPECT_EQ(read.messages.shown, kReadBox);
        EXPECT_EQ(CheckRead(read.port.log, read.messages.shown, read.state), "");

        read.port.log.clear();
        read.messages.shown.clear();
        EXPECT_FALSE(read.link.WriteDevice());
        EXPECT_TRUE(read.port.log.empty()) << "no feature report at all";
        EXPECT_EQ(read.messages.shown, kWriteBox);

        // The same reply to the write's handshake after a complete read.
        script = GoodReadScript();
        script.push_back(kOk);
        script.insert(script.end(), reply.script.begin(), reply.script.end());
        Session write(script);
        write.FindAndRead();
        ASSERT_TRUE(write.state.link.imageRead);
        write.port.log.clear();
        write.messages.shown.clear();
        EXPECT_EQ(write.link.WriteDevice(), reply.handshakeAccepts);
        EXPECT_EQ(write.port.log.size(), reply.handshakeAccepts ? kFullWriteTransfers : 2u);
        EXPECT_EQ(write.messages.shown, reply.handshakeAccepts ? kNone : kWriteBox);
        EXPECT_EQ(CheckWrite(write.port.log, write.messages.shown, write.state, true,
                             reply.handshakeAccepts),
                  "");
    }
}

TEST(ProtocolRobustnessTest, RandomRepliesKeepEveryRuleOfReadAndWrite) {
    std::mt19937 random(20240611);
    SessionResult total;
    for (int run = 0; run < 3000; ++run) {
        std::vector<std::uint8_t> script(random() % 600);
        for (std::uint8_t& byte : script) {
            byte = static_cast<std::uint8_t>(random());
        }
        const SessionResult result = RunScriptedSession(script);
        ASSERT_EQ(result.error, "") << "run " << run;
        total.fullReads += result.fullReads;
        total.fullWrites += result.fullWrites;
    }
    // The scripts reach the end of both operations, not only their failures.
    EXPECT_GT(total.fullReads, 100);
    EXPECT_GT(total.fullWrites, 20);
}

// A port whose replies are anything at all: random content, random failure,
// all zeros, short fills.
class ChaoticPort final : public HidPort {
  public:
    explicit ChaoticPort(unsigned seed) : random_(seed) {}
    int sets = 0;
    bool OpenInterfaceList() override { return true; }
    HidListing EnumInterface(std::uint32_t index) override {
        return index < 4 ? HidListing::Listed : HidListing::NoMoreItems;
    }
    bool GetInterfacePath(std::uint32_t, std::wstring& path) override {
        path = std::wstring(Byte() * 4, L'x');
        return Byte() > 8;
    }
    void CloseInterfaceList() override {}
    HidHandle Open(const std::wstring&, HidOpenPurpose, std::uint32_t&) override {
        return Byte() > 16 ? 7 : kInvalidHidHandle;
    }
    void Close(HidHandle) override {}
    bool GetAttributes(HidHandle, HidAttributes& a) override {
        a = Byte() & 1 ? HidAttributes{0x04D9, 0xA09E, 1} : HidAttributes{1, 2, 3};
        return Byte() > 8;
    }
    bool GetPreparsedData(HidHandle, HidPreparsedData& data) override {
        data = 9;
        return Byte() > 8;
    }
    void FreePreparsedData(HidPreparsedData) override {}
    HidCapsStatus GetCaps(HidPreparsedData, HidCaps& caps) override {
        caps = {static_cast<std::uint16_t>(Byte() & 1 ? 2 : 6), 1, 0, 0,
                static_cast<std::uint16_t>(Byte() & 1 ? 8 : 65)};
        return Byte() > 8 ? HidCapsStatus::Success : HidCapsStatus::InvalidPreparsedData;
    }
    bool SetFeature(HidHandle, std::span<const std::uint8_t>) override {
        ++sets;
        return Byte() > 8;
    }
    bool GetFeature(HidHandle, std::span<std::uint8_t> report) override {
        const int style = Byte() % 4;
        const std::size_t fill = style == 3 ? report.size() / 2 : report.size();
        for (std::size_t i = 0; i < fill; ++i) {
            report[i] = style == 0 ? 0 : Byte();
        }
        if (style == 2 && report.size() >= 5) {  // now and then a valid signature
            report[0] = 1;
            std::copy(kCommandSignature.begin(), kCommandSignature.end(), report.begin() + 1);
        }
        return Byte() > 8;
    }

  private:
    std::uint8_t Byte() { return static_cast<std::uint8_t>(random_() & 0xFF); }
    std::mt19937 random_;
};

TEST(ProtocolRobustnessTest, RepliesOfAnyContentAndAnyReportLengths) {
    for (unsigned seed = 0; seed < 300; ++seed) {
        SCOPED_TRACE(seed);
        ChaoticPort port(seed);
        DeviceState state;
        FakeSystemFacts facts;
        FakeUserMessages messages;
        MouseLink link(port, state, facts, messages);
        link.FindMouse();
        messages.shown.clear();
        const std::uint16_t lengths[] = {0, 1, 7, 8, 9, 64, 65, 66, 4096};
        state.link.commandReportLength = lengths[seed % 9];
        state.link.dataReportLength = lengths[(seed / 9) % 9];
        link.ReadDevice();
        EXPECT_EQ(messages.shown, state.link.imageRead ? kNone : kReadBox);

        messages.shown.clear();
        const bool read = state.link.imageRead;
        const int sets = port.sets;
        const bool written = link.WriteDevice();
        if (!read) {
            EXPECT_FALSE(written);
            EXPECT_EQ(port.sets, sets) << "a write without a complete read sends nothing";
        }
        EXPECT_EQ(messages.shown, written ? kNone : kWriteBox);

        messages.shown.clear();
        state.link.imageRead = true;
        EXPECT_EQ(messages.shown, link.WriteDevice() ? kNone : kWriteBox);
    }
}

}  // namespace
}  // namespace corvane::testing
