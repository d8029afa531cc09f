// The whole program's logic, wired as a program's main wires it, on
// recording hosts and the simulated mouse: no platform code takes part.
#include "app/program.h"

#include <gtest/gtest.h>

#include "app/shell_fakes.h"
#include "device/simulator/simulated_mouse.h"
#include "meaning/factory_settings.h"
#include "support/fake_file_store.h"
#include "support/fake_ini_store.h"
#include "support/fake_system_facts.h"
#include "ui/main/main_layout.h"

namespace corvane::testing {
namespace {

Point Inside(const Rect& r) {
    return {r.left + 1, r.top + 1};
}

TEST(ProgramTest, StartTrayClickAPageEditAndSaveReachTheFilesAndTheMouse) {
    FakeShellHost shellHost;
    FakeMainHost windowHost;
    RecordedBoxes boxes;
    SimulatedMouseOptions options;
    options.sleep = [](unsigned) {};
    SimulatedMouse mouse(options);
    FakeSystemFacts facts;
    facts.executablePath = L"/opt/corvane/bin/corvane";
    FakeFileStore files;
    FakeIniStore ini;
    const auto factory = FactoryConfigFile();
    files.files[L"/home/u/.config/corvane/config.bin"].assign(factory.begin(), factory.end());

    Program program(ProgramParts{shellHost, windowHost, boxes, mouse, facts, files, ini,
                                 L"/home/u/.config/corvane/", L"/opt/corvane/share/Skins"});
    ASSERT_EQ(program.shell().Initialise(), Initialisation::Ready);
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_EQ(windowHost.skinDir, L"/opt/corvane/share/Skins/EN");
    EXPECT_EQ(windowHost.CallsOf("background"), std::vector<std::string>{"background /main.png"});
    EXPECT_EQ(program.state().devicePresent, 1u);
    EXPECT_TRUE(program.state().link.imageRead);
    EXPECT_EQ(ini.values.at({L"/home/u/.config/corvane/str.ini", L"Setting-EN", L"Item4"}),
              L"Snipe Key")
        << "the first display installs the factory labels";

    program.shell().OnTrayClick();
    EXPECT_EQ(shellHost.calls.back(), L"ShowInFront");

    CTessaryDlg& window = program.window();
    window.OnLButtonDown(Inside(kLedTab));
    window.OnLButtonDown(Inside(kReportRatePositions[3]));  // 1000 Hz
    window.OnLButtonDown(Inside(kSaveButton));

    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_EQ(mouse.memory()[0], 1) << "report rate 1000 Hz in the mouse";
    const auto& config = files.files.at(L"/home/u/.config/corvane/config.bin");
    ASSERT_EQ(config.size(), kConfigFileSize);
    EXPECT_EQ(config[0], 1) << "written by the tool";
    EXPECT_EQ(ParseConfigFile(config)->record.reportRate, 1);
    EXPECT_EQ(program.state().records.backup.reportRate, 1);

    window.OnLButtonDown(Inside(kCloseButton));
    EXPECT_EQ(shellHost.exitCodes, std::vector<int>{0});
    EXPECT_EQ(mouse.openHandleCount(), 0u);
}

// The device link's open failures pass the access rule's hint, once per run:
// at the start and again after a plug, the mouse stays unreachable and the
// program behaves as without it.
TEST(ProgramTest, AMouseThisUserMayNotOpenGetsTheAccessHintOncePerRun) {
    FakeShellHost shellHost;
    FakeMainHost windowHost;
    RecordedBoxes boxes;
    SimulatedMouseOptions options;
    options.sleep = [](unsigned) {};
    options.interfaces[2].channelOpenFails = true;  // the command channel
    NoAccessPort port(options);
    FakeSystemFacts facts;
    facts.executablePath = L"/usr/bin/corvane";
    FakeFileStore files;
    FakeIniStore ini;
    Program program(ProgramParts{shellHost, windowHost, boxes, port, facts, files, ini,
                                 L"/home/u/.config/corvane/", L"/usr/share/corvane/Skins"});
    program.shell().Initialise();
    const std::wstring openFailure = L"corvane: CreateFile Error Code:5";
    const std::wstring notDetected = L"Warning: The system did not detect the gaming mouse!";
    const std::vector<std::wstring> lines = boxes.Lines();
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(lines[0], openFailure);
    EXPECT_EQ(lines[1].rfind(L"corvane: Corvane cannot open the mouse", 0), 0u) << ToUtf8(lines[1]);
    EXPECT_EQ(lines[2], notDetected);
    EXPECT_EQ(program.state().devicePresent, 0u);

    boxes.shown.clear();
    program.shell().OnMouseArrived();
    EXPECT_EQ(boxes.Lines(), std::vector<std::wstring>{openFailure});
    EXPECT_EQ(shellHost.balloons.back().text, L"The system did not detect the gaming mouse!");
    EXPECT_EQ(program.state().devicePresent, 0u);
}

}  // namespace
}  // namespace corvane::testing
