// The simulated mouse on its own: its answers to hand-scrambled reports, its
// memory file and wire log, its settings, and the interface survey over it.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <map>

#include "device/hid_survey.h"
#include "device/simulator/simulated_mouse_settings.h"
#include "link_fixture.h"
#include "settings/dpi_table.h"
#include "support/temp_folder.h"

namespace corvane::testing {
namespace {

namespace fs = std::filesystem;

std::vector<std::uint8_t> ReadAll(const std::wstring& file) {
    std::ifstream in(fs::path(file), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<std::string> Lines(const std::wstring& file) {
    std::ifstream in{fs::path(file)};
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

// Opens the mouse's command channel the way discovery does.
HidHandle OpenCommandChannel(SimulatedMouse& mouse) {
    std::uint32_t error = 0;
    mouse.OpenInterfaceList();
    const HidHandle h =
        mouse.Open(MouseCommandInterface().path, HidOpenPurpose::CommandChannel, error);
    mouse.CloseInterfaceList();
    return h;
}

TEST(SimulatedMouseTest, AnswersAHandScrambledHeaderRead) {
    SimulatedMouse mouse;
    const HidHandle command = OpenCommandChannel(mouse);
    const std::uint8_t request[8] = {0x01, 0x52, 0xD4, 0x4F, 0xEF, 0x0F, 0x44, 0xB7};
    ASSERT_TRUE(mouse.SetFeature(command, request));
    std::array<std::uint8_t, 8> reply{1};
    ASSERT_TRUE(mouse.GetFeature(command, reply));
    // Signature, 0x80, report rate 1 and DPI stage 1 of the factory memory.
    EXPECT_EQ(reply, (std::array<std::uint8_t, 8>{0x01, 0xD2, 0xD4, 0x4F, 0xEF, 0x0F, 0x44, 0x37}));
    // Write header 02 03, as worked out by hand.
    const std::uint8_t writeHeader[8] = {0x01, 0xD2, 0xD4, 0x4F, 0xEF, 0x4F, 0x45, 0xB6};
    ASSERT_TRUE(mouse.SetFeature(command, writeHeader));
    EXPECT_EQ(mouse.memory()[0], 2);
    EXPECT_EQ(mouse.memory()[1], 3);
    EXPECT_EQ(mouse.wireLog().front(), "SET cmd 01 52 D4 4F EF 0F 44 B7");
    EXPECT_EQ(mouse.wireLog()[1], "GET cmd 01 D2 D4 4F EF 0F 44 37");
}

TEST(SimulatedMouseTest, TakesOnlyReportsOfTheInterfaceFeatureLength) {
    SimulatedMouse mouse;
    const HidHandle command = OpenCommandChannel(mouse);
    std::array<std::uint8_t, 9> tooLong{};
    std::array<std::uint8_t, 7> tooShort{};
    EXPECT_FALSE(mouse.SetFeature(command, tooLong));
    EXPECT_FALSE(mouse.GetFeature(command, tooShort));
    EXPECT_FALSE(mouse.GetFeature(kInvalidHidHandle, tooShort));
    EXPECT_EQ(mouse.transferCount(), 0u);
    EXPECT_TRUE(mouse.wireLog().empty());
}

TEST(SimulatedMouseTest, FactoryMemoryCarriesTheSensorTypeAndItsDpiCodes) {
    for (int type = 0; type < 256; ++type) {
        const SimulatedMemory m = FactorySimulatedMemory(static_cast<std::uint8_t>(type));
        ASSERT_EQ(m[195], type);
        EXPECT_EQ(m[0], 1);    // 1000 Hz
        EXPECT_EQ(m[200], 3);  // three stages on
        EXPECT_EQ(m[130], 0xF0);
        if (type < kSensorTypeCount) {
            EXPECT_EQ(m[218], DpiChoicesOf(static_cast<std::uint8_t>(type))[1].code);
        }
    }
}

TEST(SimulatedMouseTest, MemoryFileSurvivesARestart) {
    TempFolder folder;
    const std::wstring file = folder.Wide("mouse-memory.bin");
    SimulatedMouseOptions options;
    options.sensorType = 2;
    options.memoryFile = file;
    {
        DeviceState state;
        FakeSystemFacts facts;
        FakeUserMessages messages;
        SimulatedMouse mouse(options);
        EXPECT_EQ(ReadAll(file).size(), kSimulatedMemorySize);  // factory memory stored
        MouseLink link(mouse, state, facts, messages);
        ASSERT_TRUE(link.FindMouse());
        state.scrambleEnabled = 1;
        link.ReadDevice();
        state.image.page4.ledMode = 1;
        state.image.page5.hotKeyTable[7] = {0xE1, 0x2C};
        link.WriteDevice();
        const std::vector<std::uint8_t> stored = ReadAll(file);
        ASSERT_EQ(stored.size(), kSimulatedMemorySize);
        EXPECT_TRUE(std::equal(stored.begin(), stored.end(), state.image.bytes().begin()));
    }
    options.sensorType = 0;  // the file wins over the factory memory
    SimulatedMouse restarted(options);
    EXPECT_EQ(restarted.memory()[195], 2);
    EXPECT_EQ(restarted.memory()[204], 1);
    EXPECT_EQ(restarted.memory()[320], 0xE1);

    std::ofstream(fs::path(file), std::ios::binary | std::ios::trunc) << "short";
    SimulatedMouse fromBadFile(options);
    EXPECT_EQ(fromBadFile.memory(), FactorySimulatedMemory(0));
    EXPECT_EQ(ReadAll(file).size(), kSimulatedMemorySize);
}

TEST(SimulatedMouseTest, WireLogFileHasOneLinePerTransfer) {
    TempFolder folder;
    SimulatedMouseOptions options;
    options.wireLogFile = folder.Wide("wire.log");
    DeviceState state;
    FakeSystemFacts facts;
    FakeUserMessages messages;
    SimulatedMouse mouse(options);
    MouseLink link(mouse, state, facts, messages);
    ASSERT_TRUE(link.FindMouse());
    state.scrambleEnabled = 1;
    link.ReadDevice();
    const std::vector<std::string> lines = Lines(options.wireLogFile);
    ASSERT_EQ(lines.size(), 17u);
    EXPECT_EQ(lines, mouse.wireLog());
    EXPECT_EQ(lines[0], "SET cmd 01 52 D4 4F EF 0F 44 B7");
    EXPECT_EQ(lines[4].size(), std::string("GET data").size() + 3 * 65);
}

TEST(SimulatedMouseTest, SlowDeviceWaitsPerTransfer) {
    std::vector<unsigned> waits;
    SimulatedMouseOptions options;
    options.transferDelayMs = 3;
    options.sleep = [&](unsigned ms) { waits.push_back(ms); };
    DeviceState state;
    FakeSystemFacts facts;
    FakeUserMessages messages;
    SimulatedMouse mouse(options);
    MouseLink link(mouse, state, facts, messages);
    ASSERT_TRUE(link.FindMouse());
    state.scrambleEnabled = 1;
    link.ReadDevice();
    EXPECT_EQ(waits, std::vector<unsigned>(17, 3));
}

TEST(SimulatedMouseSettingsTest, FileKeysCommentsAndBadValues) {
    SimulatedMouseSettings s;
    ApplySimulatedMouseSettings(
        "# the demo's mouse\n"
        "[SimulatedMouse]\n"
        "sensor_type = 3 ; a comment\n"
        "reply_fault=report-id-2\r\n"
        "fail_from_transfer = 12\n"
        "delay_ms = 1\n"
        "foreign_devices = 250\n"
        "command_first = 1\n"
        "unopenable = foreign\n"
        "unopenable_channel = data\n"
        "memory_file = memory.bin\n"
        "wire_log = logs/wire.log\n"
        "sensor_type = 256\n"      // out of range: kept at 3
        "mouse_present = maybe\n"  // unreadable: kept
        "no_such_key = 1\n"
        "just text\n",
        L"base", s);
    EXPECT_EQ(s.sensorType, 3);
    EXPECT_EQ(s.replyFault, SimulatedReplyFault::ReportId2);
    EXPECT_EQ(s.failFromTransfer, 12u);
    EXPECT_EQ(s.transferDelayMs, 1u);
    EXPECT_EQ(s.foreignDevices, 250);
    EXPECT_TRUE(s.commandFirst);
    EXPECT_TRUE(s.mousePresent);
    EXPECT_EQ(s.unopenable, SimulatedInterfaceKind::Foreign);
    EXPECT_EQ(s.unopenableChannel, SimulatedInterfaceKind::Data);
    EXPECT_EQ(fs::path(s.memoryFile), fs::path(L"base") / L"memory.bin");
    EXPECT_EQ(fs::path(s.wireLogFile), fs::path(L"base") / L"logs/wire.log");

    const SimulatedMouseOptions o = OptionsOf(s);
    ASSERT_EQ(o.interfaces.size(), 252u);
    EXPECT_EQ(o.interfaces[250].kind, SimulatedInterfaceKind::Command);
    EXPECT_TRUE(o.interfaces[0].queryOpenFails);
    EXPECT_TRUE(o.interfaces[251].channelOpenFails);
    EXPECT_FALSE(o.interfaces[250].channelOpenFails);
}

TEST(SimulatedMouseSettingsTest, EnvironmentWinsOverTheFile) {
    TempFolder folder;
    std::ofstream(folder.path() / "simulated-mouse.ini") << "sensor_type=1\nmouse_present=1\n";
    const std::map<std::string, std::wstring> environment = {
        {"CORVANE_SIM_SENSOR_TYPE", L"2"},
        {"CORVANE_SIM_MOUSE_PRESENT", L"0"},
        {"CORVANE_SIM_REPLY_FAULT", L"wrong-signature"},
    };
    const auto lookup = [&](const std::string& name) -> std::optional<std::wstring> {
        const auto found = environment.find(name);
        return found == environment.end() ? std::nullopt
                                          : std::optional<std::wstring>(found->second);
    };
    const SimulatedMouseSettings s = SimulatedMouseSettingsFor(folder.path().wstring(), lookup);
    EXPECT_EQ(s.sensorType, 2);
    EXPECT_FALSE(s.mousePresent);
    EXPECT_EQ(s.replyFault, SimulatedReplyFault::WrongSignature);
    EXPECT_EQ(OptionsOf(s).interfaces.size(), 1u);

    const SimulatedMouseSettings defaults = SimulatedMouseSettingsFor(
        folder.Wide("missing"), [](const std::string&) { return std::optional<std::wstring>(); });
    EXPECT_EQ(OptionsOf(defaults).interfaces.size(), 3u);
    EXPECT_TRUE(defaults.memoryFile.empty());
}

using SimulatedPlugLinkTest = LinkTest;

TEST_F(SimulatedPlugLinkTest, PulledOutAndPluggedInAtRunTime) {
    Make();
    ASSERT_TRUE(FindAndRead());
    const HidHandle before = state.link.commandHandle;
    mouse->SetMousePresent(false);
    EXPECT_FALSE(mouse->mousePresent());
    std::array<std::uint8_t, 8> reply{1};
    EXPECT_FALSE(mouse->GetFeature(before, reply)) << "a pulled-out device answers nothing";
    EXPECT_FALSE(link->FindMouse());
    EXPECT_EQ(SurveyHidInterfaces(*mouse).interfaces.size(), 1u) << "only the foreign device";

    SimulatedMemory changed = mouse->memory();
    changed[0] = 8;
    mouse->SetMemory(changed);
    mouse->SetMousePresent(true);
    std::uint32_t error = 0;
    const HidHandle stale = mouse->Open(MouseCommandInterface().path, HidOpenPurpose::Query, error);
    ASSERT_NE(stale, kInvalidHidHandle);
    EXPECT_FALSE(mouse->GetFeature(before, reply)) << "old handles stay dead";
    mouse->Close(stale);
    ASSERT_TRUE(FindAndRead());
    EXPECT_EQ(state.image.reportRate, 8) << "its memory stayed";
    link->CloseHandles();
    mouse->Close(before);
    EXPECT_EQ(mouse->openHandleCount(), 0u);
}

TEST_F(SimulatedPlugLinkTest, AMouseAbsentAtTheStartCanBePluggedIn) {
    SimulatedMouseSettings settings;
    settings.mousePresent = false;
    Make(OptionsOf(settings));
    EXPECT_FALSE(mouse->mousePresent());
    EXPECT_FALSE(link->FindMouse());
    mouse->SetMousePresent(true);
    EXPECT_TRUE(FindAndRead());
}

TEST(HidSurveyTest, ListsEveryInterfaceAndClosesWhatItOpened) {
    SimulatedMouseOptions options;
    options.interfaces = StandardInterfaces(2);
    options.interfaces[1].queryOpenFails = true;
    options.interfaces[2].channelOpenFails = true;
    SimulatedMouse mouse(options);
    const HidSurvey survey = SurveyHidInterfaces(mouse);
    ASSERT_TRUE(survey.listObtained);
    ASSERT_EQ(survey.interfaces.size(), 4u);
    EXPECT_FALSE(survey.interfaces[1].opened);
    EXPECT_EQ(survey.interfaces[1].openError, 5u);
    // A query that opens, then a channel open that is refused.
    EXPECT_TRUE(survey.interfaces[2].opened);
    EXPECT_FALSE(survey.interfaces[2].accessible);
    EXPECT_EQ(survey.interfaces[2].accessError, 5u);
    EXPECT_TRUE(survey.interfaces[3].accessible);
    EXPECT_EQ(survey.interfaces[2].attributes.vendorId, 0x04D9);
    EXPECT_TRUE(survey.interfaces[2].capsKnown);
    EXPECT_EQ(survey.interfaces[2].caps.featureReportByteLength, 65);
    EXPECT_EQ(survey.interfaces[3].caps.usage, 6);
    EXPECT_EQ(mouse.openHandleCount(), 0u);
    EXPECT_EQ(mouse.openPreparsedCount(), 0u);
    EXPECT_EQ(mouse.openListCount(), 0u);
    EXPECT_EQ(SurveyHidInterfaces(mouse, 1).interfaces.size(), 1u);
}

}  // namespace
}  // namespace corvane::testing
