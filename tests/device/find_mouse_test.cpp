// Discovery over the simulated mouse's interface lists: every way the search
// ends, and the data interface listed after the command interface.
#include <gtest/gtest.h>

#include "link_fixture.h"

namespace corvane::testing {
namespace {

using Kind = SimulatedInterfaceKind;

class FindMouseTest : public LinkTest {
  protected:
    void ExpectBothChannelsOpen() {
        EXPECT_NE(state.link.commandHandle, kInvalidHidHandle);
        EXPECT_NE(state.link.dataHandle, kInvalidHidHandle);
        EXPECT_EQ(state.link.commandReportLength, 8);
        EXPECT_EQ(state.link.dataReportLength, 65);
        EXPECT_EQ(state.link.queryHandle, kInvalidHidHandle);
        EXPECT_EQ(mouse->openHandleCount(), 2u);
    }
    void ExpectNothingLeftOpen() {
        EXPECT_EQ(mouse->openPreparsedCount(), 0u);
        EXPECT_EQ(mouse->openListCount(), 0u);
    }
};

TEST_F(FindMouseTest, FindsTheMouseAfterAForeignDevice) {
    Make();
    EXPECT_TRUE(link->FindMouse());
    ExpectBothChannelsOpen();
    ExpectNothingLeftOpen();
    EXPECT_EQ(state.devicePresent, 1u);
    EXPECT_TRUE(messages.shown.empty());
    // Attributes of the foreign device, then of the mouse's data and command
    // interfaces, each followed by its capabilities.
    ASSERT_EQ(facts.traces.size(), 5u);
    EXPECT_EQ(facts.traces[0], L"PID:c077\n,VID:046d\n,VersionNumber:7200\n");
    EXPECT_EQ(facts.traces[3], L"PID:a09e\n,VID:04d9\n,VersionNumber:0101\n");
    EXPECT_EQ(facts.traces[4], L"DevicePath:" + MouseCommandInterface().path +
                                   L",\nUsage:0x0006\n, UsagePage:0x0001\n,"
                                   L"FeatureReportByteLength:0x0008\n,InputReportByteLength:0x9\n,"
                                   L"OutputReportByteLength:0x0\n");
    EXPECT_EQ(state.link.devicePath, MouseCommandInterface().path);
}

TEST_F(FindMouseTest, NoHidInterfacesOrNoListIsNotFoundWithoutAMessage) {
    SimulatedMouseOptions empty;
    empty.interfaces.clear();
    Make(empty);
    EXPECT_FALSE(link->FindMouse());
    SimulatedMouseOptions noList;
    noList.listFails = true;
    Make(noList);
    EXPECT_FALSE(link->FindMouse());
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(state.devicePresent, 0u);
}

TEST_F(FindMouseTest, HundredsOfForeignDevicesAreSkippedAndTheirQueriesClosed) {
    SimulatedMouseOptions options;
    options.interfaces = StandardInterfaces(400);
    Make(options);
    EXPECT_TRUE(link->FindMouse());
    ExpectBothChannelsOpen();
    SimulatedMouseOptions foreignOnly;
    foreignOnly.interfaces = StandardInterfaces(300, false, false);
    Make(foreignOnly);
    EXPECT_FALSE(link->FindMouse());
    EXPECT_EQ(mouse->openHandleCount(), 0u);
    ExpectNothingLeftOpen();
}

TEST_F(FindMouseTest, DataInterfaceListedAfterTheCommandInterfaceIsStillOpened) {
    SimulatedMouseOptions options;
    options.interfaces = StandardInterfaces(1, true);
    Make(options);
    EXPECT_TRUE(link->FindMouse());
    ExpectBothChannelsOpen();
    ExpectNothingLeftOpen();
}

TEST_F(FindMouseTest, FailuresAfterTheCommandInterfaceEndThePassWithTheMouseFound) {
    struct Case {
        const char* what;
        void (*spoil)(SimulatedInterface& data);
        bool box;
    };
    const Case cases[] = {
        {"data channel cannot be opened", [](SimulatedInterface& d) { d.channelOpenFails = true; },
         true},
        {"data query cannot be opened", [](SimulatedInterface& d) { d.queryOpenFails = true; },
         false},
        {"no preparsed data", [](SimulatedInterface& d) { d.preparsedFails = true; }, false},
        {"no capabilities", [](SimulatedInterface& d) { d.capsInvalid = true; }, false},
        {"no detail record", [](SimulatedInterface& d) { d.detailFails = true; }, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SimulatedMouseOptions options;
        options.interfaces = StandardInterfaces(1, true);
        c.spoil(options.interfaces[2]);
        messages.shown.clear();
        Make(options);
        EXPECT_TRUE(link->FindMouse());
        EXPECT_NE(state.link.commandHandle, kInvalidHidHandle);
        EXPECT_EQ(state.link.dataHandle, kInvalidHidHandle);
        EXPECT_EQ(messages.shown.size(), c.box ? 1u : 0u);
        if (c.box) {
            EXPECT_EQ(messages.shown, Shown(MessageKind::CreateFileError, Caption::AppTitle, 5));
        }
        EXPECT_EQ(mouse->openHandleCount(), 1u);
        ExpectNothingLeftOpen();
    }
}

TEST_F(FindMouseTest, DataInterfaceWithAnotherFeatureLengthIsSkipped) {
    SimulatedMouseOptions options;
    options.interfaces[1].caps.featureReportByteLength = 64;
    Make(options);
    EXPECT_TRUE(link->FindMouse());
    EXPECT_EQ(state.link.dataHandle, kInvalidHidHandle);
    // Without a data channel no page can be read: the read says so.
    state.scrambleEnabled = 1;
    link->ReadDevice();
    EXPECT_EQ(messages.shown, Shown(MessageKind::NotDetected, Caption::ReadOperation));
    EXPECT_FALSE(state.link.imageRead);
}

TEST_F(FindMouseTest, EveryFailureBeforeTheCommandInterfaceIsNotFound) {
    struct Case {
        const char* what;
        std::size_t index;  // 0 foreign, 1 data, 2 command
        void (*spoil)(SimulatedInterface&);
        bool box;
        bool present;  // devicePresent set on reaching the command interface
    };
    const Case cases[] = {
        {"foreign query cannot be opened", 0,
         [](SimulatedInterface& i) { i.queryOpenFails = true; }, false, false},
        {"foreign detail record", 0, [](SimulatedInterface& i) { i.detailFails = true; }, false,
         false},
        {"data preparsed data", 1, [](SimulatedInterface& i) { i.preparsedFails = true; }, false,
         false},
        {"data capabilities", 1, [](SimulatedInterface& i) { i.capsInvalid = true; }, false, false},
        {"data channel", 1, [](SimulatedInterface& i) { i.channelOpenFails = true; }, true, false},
        {"command query", 2, [](SimulatedInterface& i) { i.queryOpenFails = true; }, false, false},
        {"command capabilities", 2, [](SimulatedInterface& i) { i.capsInvalid = true; }, false,
         false},
        {"command channel", 2, [](SimulatedInterface& i) { i.channelOpenFails = true; }, true,
         true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SimulatedMouseOptions options;
        c.spoil(options.interfaces[c.index]);
        state = DeviceState{};
        messages.shown.clear();
        Make(options);
        EXPECT_FALSE(link->FindMouse());
        EXPECT_EQ(state.link.commandHandle, kInvalidHidHandle);
        if (c.box) {
            EXPECT_EQ(messages.shown, Shown(MessageKind::CreateFileError, Caption::AppTitle, 5));
        } else {
            EXPECT_TRUE(messages.shown.empty());
        }
        EXPECT_EQ(state.devicePresent, c.present ? 1u : 0u);
        EXPECT_EQ(mouse->openPreparsedCount(), 0u);
        EXPECT_EQ(mouse->openListCount(), 0u);
        EXPECT_LE(mouse->openHandleCount(), 1u);  // at most the data channel
        link->CloseHandles();
        EXPECT_EQ(mouse->openHandleCount(), 0u);
    }
}

TEST_F(FindMouseTest, AnEnumerationErrorEndsTheSearchAfterThatIndex) {
    SimulatedMouseOptions options;
    options.enumErrorAt = 1;
    Make(options);
    EXPECT_FALSE(link->FindMouse());
    EXPECT_EQ(facts.traces.size(), 1u);  // only the foreign device was looked at
    EXPECT_EQ(mouse->openListCount(), 0u);
}

TEST_F(FindMouseTest, RediscoveryClosesTheEarlierHandles) {
    Make();
    ASSERT_TRUE(FindAndRead());
    const HidHandle first = state.link.commandHandle;
    EXPECT_TRUE(link->FindMouse());
    EXPECT_NE(state.link.commandHandle, first);
    EXPECT_EQ(mouse->openHandleCount(), 2u);
    link->CloseHandles();
    EXPECT_EQ(mouse->openHandleCount(), 0u);
    EXPECT_EQ(state.link.commandHandle, kInvalidHidHandle);
    EXPECT_EQ(state.link.dataHandle, kInvalidHidHandle);
    link->CloseHandles();  // nothing left to close
}

// The image read from the mouse may be written back only to the unit it was
// read from: the same command-channel path, with no failed discovery or
// read in between.
class ImageValidityTest : public FindMouseTest {
  protected:
    void SetUp() override {
        Make();
        ASSERT_TRUE(FindAndRead());
        ASSERT_TRUE(state.link.imageRead);
        messages.shown.clear();
    }
    // Another mouse object (as after a replug) listing the command
    // interface at `commandPath`.
    void Replug(std::wstring commandPath, bool present = true) {
        link->CloseHandles();
        SimulatedMouseOptions options;
        options.interfaces = StandardInterfaces(1, false, present);
        if (present) {
            options.interfaces[2].path = std::move(commandPath);
        }
        Make(options);
    }
};

TEST_F(ImageValidityTest, SurvivesADiscoveryAtTheSamePath) {
    Replug(MouseCommandInterface().path);
    EXPECT_TRUE(link->FindMouse());
    EXPECT_TRUE(state.link.imageRead);
    EXPECT_TRUE(link->WriteDevice());
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(ImageValidityTest, IsLostAtAnotherPath) {
    Replug(L"\\\\?\\hid#vid_04d9&pid_a09e&mi_01&col02#9&other&0&0001#{x}");
    EXPECT_TRUE(link->FindMouse());
    EXPECT_FALSE(state.link.imageRead);
    EXPECT_FALSE(link->WriteDevice());
    EXPECT_EQ(messages.shown, Shown(MessageKind::NotDetected, Caption::WriteOperation));
}

TEST_F(ImageValidityTest, IsLostByAFailedDiscoveryEvenIfTheMouseReturns) {
    Replug(L"", false);
    EXPECT_FALSE(link->FindMouse());
    EXPECT_FALSE(state.link.imageRead);
    Replug(MouseCommandInterface().path);
    EXPECT_TRUE(link->FindMouse());
    EXPECT_FALSE(state.link.imageRead);
}

TEST_F(ImageValidityTest, IsLostByAReadThatFails) {
    mouse->SetReplyFault(SimulatedReplyFault::WrongSignature);
    ASSERT_TRUE(FindAndRead());
    EXPECT_FALSE(state.link.imageRead);
    mouse->SetReplyFault(SimulatedReplyFault::None);
    EXPECT_TRUE(link->FindMouse());
    EXPECT_FALSE(state.link.imageRead) << "the failed read cleared it at its start";
}

TEST_F(FindMouseTest, PathsOfAnyLengthAreCarriedWhole) {
    SimulatedMouseOptions options;
    options.interfaces[0].path = std::wstring(40000, L'f');
    options.interfaces[2].path = L"\\\\?\\" + std::wstring(70000, L'c');
    options.interfaces[1].path = L"";
    Make(options);
    EXPECT_TRUE(link->FindMouse());
    ExpectBothChannelsOpen();
    EXPECT_EQ(state.link.devicePath, options.interfaces[2].path);
    EXPECT_NE(facts.traces.back().find(options.interfaces[2].path), std::wstring::npos);
}

}  // namespace
}  // namespace corvane::testing
