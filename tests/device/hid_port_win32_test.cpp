// The Win32 HID port on the machine it runs on (under Wine: Wine's own HID
// interfaces, none of them the mouse).
#include <gtest/gtest.h>

#include <cstdio>

#include "device/device_state.h"
#include "device/hid_survey.h"
#include "device/mouse_link.h"
#include "support/fake_system_facts.h"
#include "support/fake_user_messages.h"

namespace corvane::testing {
namespace {

TEST(HidPortWin32Test, EnumeratesThePresentInterfacesAndClosesThem) {
    const auto port = MakePlatformHidPort();
    const HidSurvey survey = SurveyHidInterfaces(*port);
    EXPECT_TRUE(survey.listObtained);
    for (const HidInterfaceInfo& i : survey.interfaces) {
        std::printf("%04X:%04X page %04X usage %04X feature %u %ls\n", i.attributes.vendorId,
                    i.attributes.productId, i.caps.usagePage, i.caps.usage,
                    i.caps.featureReportByteLength, i.path.c_str());
        EXPECT_FALSE(i.path.empty());
    }
    // A second pass sees the same list: the first released everything.
    EXPECT_EQ(SurveyHidInterfaces(*port).interfaces.size(), survey.interfaces.size());
}

TEST(HidPortWin32Test, DiscoveryDoesNotFindTheMouseAndLeavesNoHandle) {
    const auto port = MakePlatformHidPort();
    DeviceState state;
    FakeSystemFacts facts;
    FakeUserMessages messages;
    MouseLink link(*port, state, facts, messages);
    EXPECT_FALSE(link.FindMouse());
    EXPECT_EQ(state.devicePresent, 0u);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(state.link.commandHandle, kInvalidHidHandle);
    EXPECT_EQ(state.link.dataHandle, kInvalidHidHandle);
    // With no channel open, the read and the write report the mouse missing.
    link.ReadDevice();
    link.WriteDevice();
    EXPECT_EQ(messages.shown.size(), 2u);
    link.CloseHandles();
}

TEST(HidPortWin32Test, InvalidHandlesFailWithoutHarm) {
    const auto port = MakePlatformHidPort();
    std::uint32_t error = 0;
    EXPECT_EQ(port->Open(L"\\\\?\\hid#no_such_device", HidOpenPurpose::CommandChannel, error),
              kInvalidHidHandle);
    EXPECT_NE(error, 0u);
    std::uint8_t report[8] = {1};
    EXPECT_FALSE(port->SetFeature(kInvalidHidHandle, report));
    EXPECT_FALSE(port->GetFeature(kInvalidHidHandle, report));
    std::wstring path;
    EXPECT_FALSE(port->GetInterfacePath(0, path));  // no list open
}

}  // namespace
}  // namespace corvane::testing
