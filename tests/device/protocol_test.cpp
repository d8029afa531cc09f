// The full read and the full write against the simulated mouse, checked on
// the wire, and every way they fail.
#include <gtest/gtest.h>

#include <array>
#include <string_view>

#include "link_fixture.h"

namespace corvane::testing {
namespace {

// Memory A: header 08 02, page p byte k = 0x33 p + 7 k. Image B, written:
// header 04 01, page p byte k = 0x21 p + 3 k + 1. The wire worked out by
// hand from the report layout and the transform.
SimulatedMemory MemoryA() {
    SimulatedMemory m{};
    m[0] = 8;
    m[1] = 2;
    for (int p = 1; p <= 5; ++p) {
        for (int k = 0; k < 64; ++k) {
            m[2 + 64 * (p - 1) + k] = static_cast<std::uint8_t>(0x33 * p + 7 * k);
        }
    }
    return m;
}
DeviceImage ImageB() {
    DeviceImage image{};
    image.reportRate = 4;
    image.dpiStage = 1;
    for (int p = 1; p <= 5; ++p) {
        for (int k = 0; k < 64; ++k) {
            image.page(p)[k] = static_cast<std::uint8_t>(0x21 * p + 3 * k + 1);
        }
    }
    return image;
}

constexpr std::array<std::string_view, 17> kFullReadWire = {
    "SET cmd 01 52 D4 4F EF 0F 44 B7",
    "GET cmd 01 52 D4 4F EF 0F 40 B6",
    "SET cmd 01 52 D4 4F EF 0F C4 B7",
    "GET cmd 01 52 D4 4F EF 0F C4 B7",
    "GET data 00 33 1A 92 9C A6 64 6A 05 6B 3E 8E F8 C2 08 0E 79 A3 52 EA E4 DE 2C 22 5D DB 76 C6 "
    "C0 FA 30 46 31 13 0A A2 AC 96 54 5A 15 4B 2E 9E 88 B2 78 7E 09 83 42 FA F4 CE 1C 12 6D BB 66 "
    "D6 D0 EA 20 36 41",
    "SET cmd 01 52 D4 4F EF 0E 44 B7",
    "GET cmd 01 52 D4 4F EF 0E 44 B7",
    "GET data 00 66 B1 08 05 40 8B 8C FC 9E D5 64 61 5C AF A0 D0 D6 E9 40 4D 78 B3 C4 B4 0E 8D 3C "
    "29 14 D7 D8 A8 46 A1 18 15 30 FB FC 8C 7E C5 74 71 4C 9F 90 E0 B6 D9 50 5D 68 A3 B4 C4 EE FD "
    "4C 39 04 C7 C8 B8",
    "SET cmd 01 52 D4 4F EF 0E C4 B7",
    "GET cmd 01 52 D4 4F EF 0E C4 B7",
    "GET data 00 99 57 E1 EF DB 11 25 52 D1 6B DD CB F7 35 39 36 09 0F B9 B7 93 59 5D 2A 41 23 95 "
    "93 AF 7D 71 0E 79 47 F1 FF CB 01 15 62 B1 5B ED DB E7 25 29 46 E9 7F C9 C7 83 49 4D 3A 21 13 "
    "A5 A3 9F 6D 61 1E",
    "SET cmd 01 52 D4 4F EF 0D 44 B7",
    "GET cmd 01 52 D4 4F EF 0D 44 B7",
    "GET data 00 CC EE 5F 48 75 B8 BF C9 04 82 3B 34 11 DC D3 AD 3C A6 17 10 2D E0 F7 81 74 BA 73 "
    "7C 49 84 8B E5 AC DE 6F 58 65 A8 AF D9 E4 F2 4B 44 01 CC C3 BD 1C 96 27 20 1D D0 E7 91 54 AA "
    "03 0C 39 F4 FB F5",
    "SET cmd 01 52 D4 4F EF 0D C4 B7",
    "GET cmd 01 52 D4 4F EF 0D C4 B7",
    "GET data 00 FF 04 B4 B2 8C 5E 50 2F 37 18 90 9E A8 62 74 03 6F 3C 8C FA C4 06 08 67 A7 50 E8 "
    "E6 E0 2A 2C 5B DF 74 C4 C2 FC 4E 40 3F 17 08 A0 AE 98 52 64 13 4F 2C 9C 8A B4 76 78 77 87 40 "
    "F8 F6 D0 1A 1C 6B",
};
constexpr std::array<std::string_view, 18> kFullWriteWire = {
    "SET cmd 01 52 D4 4F EF 0F 44 B7",
    "GET cmd 01 52 D4 4F EF 0F 40 B6",
    "SET cmd 01 D2 D4 4F EF 4F 46 B7",
    "SET cmd 01 52 D4 4F EF 4F C4 B7",
    "GET cmd 01 52 D4 4F EF 4F C4 B7",
    "SET data 00 22 95 26 2D 16 D7 DE AC 3A 99 12 19 22 EB E2 90 52 AD 1E 15 2E FF F6 84 6A B1 0A "
    "01 3A F3 FA 88 82 C5 76 7D 46 87 8E FC 9A C9 62 69 52 9B 92 E0 B2 DD 6E 65 5E AF A6 D4 CA E1 "
    "5A 51 6A A3 AA D8",
    "SET cmd 01 52 D4 4F EF 4E 44 B7",
    "GET cmd 01 52 D4 4F EF 4E 44 B7",
    "SET data 00 43 24 96 9E A6 66 6E 1B 5B 28 82 8A B2 7A 72 0F 73 3C 8E 86 BE 0E 06 73 8B 40 FA "
    "F2 CA 02 0A 67 A3 54 E6 EE D6 16 1E 6B BB 58 D2 DA E2 2A 22 5F D3 6C DE D6 EE 3E 36 43 EB 70 "
    "CA C2 FA 32 3A 37",
    "SET cmd 01 52 D4 4F EF 4E C4 B7",
    "GET cmd 01 52 D4 4F EF 4E C4 B7",
    "SET data 00 64 B4 07 0E 39 F6 FF 8B 7C B8 73 7A 45 8A 83 FF 94 CC 7F 76 51 9E 97 E3 AC D0 6B "
    "62 5D 92 9B D7 C4 E4 57 5E 69 A6 AF DB DC E8 43 4A 75 BA B3 CF F4 FC 4F 46 01 CE C7 B3 0C 80 "
    "3B 32 0D C2 CB A7",
    "SET cmd 01 52 D4 4F EF 4D 44 B7",
    "GET cmd 01 52 D4 4F EF 4D 44 B7",
    "SET data 00 85 43 F7 FF C9 05 0F 7A 9D 57 E3 EB D5 19 13 6E B5 5B EF E7 E1 2D 27 52 CD 6F DB "
    "D3 ED 21 2B 46 E5 73 C7 CF F9 35 3F 4A FD 07 B3 BB 85 49 43 3E 15 0B BF B7 91 5D 57 22 2D 1F "
    "AB A3 9D 51 5B 16",
    "SET cmd 01 52 D4 4F EF 4D C4 B7",
    "GET cmd 01 52 D4 4F EF 4D C4 B7",
    "SET data 00 A6 D3 64 6F 58 95 98 EA BE E7 50 5B 64 A9 AC DE D6 EB 5C 57 70 BD B0 C2 EE FF 48 "
    "43 7C B1 C4 B6 06 83 34 3F 08 C5 C8 BA 1E 97 20 2B 14 D9 DC AE 36 9B 2C 27 20 ED E0 92 4E AF "
    "18 13 2C E1 F4 86",
};
template <std::size_t N>
void ExpectWire(const std::vector<std::string>& log, const std::array<std::string_view, N>& wire) {
    ASSERT_EQ(log.size(), N);
    for (std::size_t i = 0; i < N; ++i) {
        EXPECT_EQ(log[i], wire[i]) << "transfer " << i + 1;
    }
}

class ProtocolTest : public LinkTest {
  protected:
    void SetUp() override { Make(); }
    void Make(SimulatedMouseOptions options = {}) {
        LinkTest::Make(std::move(options));
        mouse->SetMemory(MemoryA());
    }
    bool ImageMatchesMouse() const {
        return std::equal(mouse->memory().begin(), mouse->memory().end(),
                          state.image.bytes().begin());
    }
};

TEST_F(ProtocolTest, FullReadIsSeventeenTransfersWithoutPauses) {
    ASSERT_TRUE(FindAndRead());
    ExpectWire(mouse->wireLog(), kFullReadWire);
    EXPECT_EQ(mouse->transferCount(), 17u);
    EXPECT_TRUE(facts.sleeps.empty());
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_TRUE(ImageMatchesMouse());
    EXPECT_TRUE(state.link.imageRead);
    EXPECT_EQ(facts.traces.back(), L"USBReportRate:08\n,SensorDPIStage:02.\n");
}

TEST_F(ProtocolTest, FullWriteIsEighteenTransfersAndSixPauses) {
    ASSERT_TRUE(FindAndRead());
    mouse->ClearWireLog();
    state.image = ImageB();
    EXPECT_TRUE(link->WriteDevice());
    ExpectWire(mouse->wireLog(), kFullWriteWire);
    EXPECT_EQ(mouse->transferCount(), 17u + 18u);
    EXPECT_EQ(facts.sleeps, (std::vector<unsigned>(6, 20)));
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_TRUE(ImageMatchesMouse());
}

TEST_F(ProtocolTest, PlainBytesOfADataReportCrossTheWireUnchanged) {
    ASSERT_TRUE(FindAndRead());
    mouse->ClearWireLog();
    link->WriteDevice();
    const std::string& page1 = mouse->wireLog()[5];
    ASSERT_EQ(page1.rfind("SET data ", 0), 0u);
    for (int g = 0; g < 8; ++g) {
        // "SET data " then three characters per byte; report byte 1 + 8 g.
        const std::string hex = page1.substr(9 + 3 * (1 + 8 * g), 2);
        EXPECT_EQ(std::stoi(hex, nullptr, 16), state.image.page(1)[8 * g]) << g;
    }
}

TEST_F(ProtocolTest, TheFullReadScramblesWhateverTheFlagWasAndTakesTheSensorType) {
    ASSERT_TRUE(link->FindMouse());
    state.scrambleEnabled = 0;
    state.image.page(2)[0] = 0x5A;
    state.sensorType = 9;
    EXPECT_TRUE(link->ReadDevice());
    ASSERT_GE(mouse->wireLog().size(), 1u);
    EXPECT_EQ(mouse->wireLog()[0], kFullReadWire[0]);
    EXPECT_EQ(state.scrambleEnabled, 1u);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_TRUE(state.link.imageRead);
    EXPECT_EQ(state.sensorType, state.image.page4.sensorType);
    EXPECT_TRUE(ImageMatchesMouse()) << "nothing of the old image is left";
}

TEST_F(ProtocolTest, ReportIdTwoIsRefusedByTheReadAndAcceptedByTheWrite) {
    mouse->SetReplyFault(SimulatedReplyFault::ReportId2);
    ASSERT_TRUE(FindAndRead());
    EXPECT_EQ(messages.shown, Shown(MessageKind::NotDetected, Caption::ReadOperation));
    EXPECT_EQ(mouse->transferCount(), 2u);
    EXPECT_EQ(state.image.reportRate, 0);  // left as the caller cleared it

    // A mouse whose memory was read answers so later: the write goes ahead.
    mouse->SetReplyFault(SimulatedReplyFault::None);
    messages.shown.clear();
    ASSERT_TRUE(FindAndRead());
    mouse->SetReplyFault(SimulatedReplyFault::ReportId2);
    mouse->ClearWireLog();
    state.image = ImageB();
    EXPECT_TRUE(link->WriteDevice());
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(mouse->wireLog().size(), 18u);
    EXPECT_TRUE(ImageMatchesMouse());
}

TEST_F(ProtocolTest, HeaderWithoutSignatureStopsReadAndWrite) {
    for (const auto fault : {SimulatedReplyFault::WrongSignature, SimulatedReplyFault::NoReply}) {
        Make();
        messages.shown.clear();
        mouse->SetReplyFault(fault);
        ASSERT_TRUE(FindAndRead());
        EXPECT_EQ(messages.shown, Shown(MessageKind::NotDetected, Caption::ReadOperation));
        EXPECT_FALSE(state.link.imageRead);
        EXPECT_EQ(mouse->transferCount(), 2u);

        // The fault arrives after a good read: the write stops at the handshake.
        mouse->SetReplyFault(SimulatedReplyFault::None);
        ASSERT_TRUE(FindAndRead());
        mouse->SetReplyFault(fault);
        messages.shown.clear();
        state.image = ImageB();
        EXPECT_FALSE(link->WriteDevice());
        EXPECT_EQ(messages.shown, Shown(MessageKind::NotDetected, Caption::WriteOperation));
        EXPECT_EQ(mouse->transferCount(), 2u + 17u + 2u);
        EXPECT_EQ(mouse->memory(), MemoryA());
        EXPECT_TRUE(facts.sleeps.empty());
    }
}

TEST_F(ProtocolTest, ImageThatWasNeverReadIsNotWrittenBack) {
    SimulatedMouseOptions options;
    options.replyFault = SimulatedReplyFault::WrongSignature;
    Make(options);
    ASSERT_TRUE(FindAndRead());
    messages.shown.clear();
    const std::uint32_t transfers = mouse->transferCount();
    state.image = ImageB();
    EXPECT_FALSE(link->WriteDevice());
    EXPECT_EQ(messages.shown, Shown(MessageKind::NotDetected, Caption::WriteOperation));
    EXPECT_EQ(mouse->transferCount(), transfers);
    EXPECT_EQ(mouse->memory(), MemoryA());
}

TEST_F(ProtocolTest, MousePulledOutAtAnyTransferOfTheRead) {
    for (std::uint32_t k = 1; k <= 18; ++k) {
        SCOPED_TRACE(k);
        SimulatedMouseOptions options;
        options.failFromTransfer = k;
        Make(options);
        state = DeviceState{};
        messages.shown.clear();
        ASSERT_TRUE(FindAndRead());
        const bool complete = k > 17;
        EXPECT_EQ(state.link.imageRead, complete);
        EXPECT_EQ(messages.shown.size(), complete ? 0u : 1u);
        if (!complete) {
            EXPECT_EQ(messages.shown, Shown(MessageKind::NotDetected, Caption::ReadOperation));
            EXPECT_EQ(mouse->transferCount(), k);  // the read stops at the failure
            messages.shown.clear();
            link->WriteDevice();
            EXPECT_EQ(messages.shown, Shown(MessageKind::NotDetected, Caption::WriteOperation));
            EXPECT_EQ(mouse->transferCount(), k);
        }
        EXPECT_EQ(mouse->memory(), MemoryA());
    }
}

// Pauses the write has made when its k-th transfer (1-18) is the first to
// fail: one after the header (transfer 3), one after each page (6, 9, ...).
std::size_t PausesBefore(std::uint32_t k) {
    return (k - 1) / 3;
}

TEST_F(ProtocolTest, MousePulledOutAtAnyTransferOfTheWrite) {
    for (std::uint32_t k = 1; k <= 19; ++k) {
        SCOPED_TRACE(k);
        SimulatedMouseOptions options;
        options.failFromTransfer = 17 + k;  // the start-up read comes first
        Make(options);
        facts.sleeps.clear();
        messages.shown.clear();
        ASSERT_TRUE(FindAndRead());
        state.image = ImageB();
        const bool complete = k > 18;

        EXPECT_EQ(link->WriteDevice(), complete);
        if (complete) {
            EXPECT_TRUE(messages.shown.empty());
            EXPECT_TRUE(ImageMatchesMouse());
            continue;
        }
        EXPECT_EQ(messages.shown, Shown(MessageKind::NotDetected, Caption::WriteOperation));
        EXPECT_EQ(mouse->transferCount(), 17u + k) << "the write stops at the failure";
        EXPECT_EQ(facts.sleeps.size(), PausesBefore(k));
        // The header (transfer 3) and the pages (transfers 6, 9, ...) that
        // went out before the failure are in the mouse, the rest is as before.
        EXPECT_EQ(mouse->memory()[0], k > 3 ? ImageB().reportRate : MemoryA()[0]);
        for (int page = 1; page <= kPageCount; ++page) {
            const bool sent = k > 3u + 3u * page;
            const std::uint8_t first = mouse->memory()[DeviceImage::PageOffset(page)];
            EXPECT_EQ(first,
                      sent ? ImageB().page(page)[0] : MemoryA()[DeviceImage::PageOffset(page)])
                << "page " << page;
        }
    }
}

TEST_F(ProtocolTest, AFailedWriteIsRepeatedWholeWhenTheMouseAnswersAgain) {
    SimulatedMouseOptions options;
    options.failFromTransfer = 17 + 9;  // page 2 is lost
    Make(options);
    ASSERT_TRUE(FindAndRead());
    state.image = ImageB();
    EXPECT_FALSE(link->WriteDevice());

    // Plugged in again: a new mouse object with the memory the first one kept.
    const SimulatedMemory kept = mouse->memory();
    LinkTest::Make();
    mouse->SetMemory(kept);
    messages.shown.clear();
    ASSERT_TRUE(FindAndRead());
    state.image = ImageB();
    EXPECT_TRUE(link->WriteDevice());
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_TRUE(ImageMatchesMouse());
}

TEST_F(ProtocolTest, WithTheMouseAbsentBothOperationsShowTheirBox) {
    SimulatedMouseOptions options;
    options.interfaces.clear();
    Make(options);
    EXPECT_FALSE(link->FindMouse());
    link->ReadDevice();
    EXPECT_FALSE(link->WriteDevice());
    EXPECT_EQ(messages.shown,
              (std::vector<ShownMessage>{{MessageKind::NotDetected, Caption::ReadOperation, 0},
                                         {MessageKind::NotDetected, Caption::WriteOperation, 0}}));
    EXPECT_TRUE(facts.sleeps.empty());
}

TEST_F(ProtocolTest, SensorTypeOfAnyValueIsReadFromByte195) {
    for (int type : {0, 3, 4, 255}) {
        SimulatedMouseOptions options;
        options.sensorType = static_cast<std::uint8_t>(type);
        LinkTest::Make(options);
        ASSERT_TRUE(FindAndRead());
        EXPECT_EQ(state.image.bytes()[195], type);
        EXPECT_EQ(state.image.page4.sensorType, type);
    }
}

}  // namespace
}  // namespace corvane::testing
