// corvane on the desktop, with a real XEmbed tray (trayer) and real X input:
// a hidden start sits in the tray, a click on the icon shows the window, Min
// hides it, a second start shows it and ends with 0, Close ends with 0;
// without a tray a hidden start shows the window after its wait; the
// simulated mouse pulled out and plugged in again through its plug control
// gives the Windows program's notice, hide and read; corvanectl leaves the
// running window's settings alone.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <fstream>
#include <iterator>
#include <string>

#include "app/simulated_plug.h"
#include "app/tray_rules.h"
#include "corvane_fixture.h"
#include "ui/main/main_layout.h"

namespace corvane::e2e {
namespace {

// The tray icon is the one window of the program this small (Qt embeds
// it at the tray's height).
constexpr int kLargestIcon = 48;
// A full read of the mouse, as its wire log counts transfers.
constexpr std::size_t kFullReadTransfers = 17;
constexpr char kNotDetectedNotice[] =
    "notice: Warning: The system did not detect the gaming mouse!";

class DesktopEndToEnd : public CorvaneTest {
  protected:
    ~DesktopEndToEnd() override {
        if (tray_) {
            tray_->Terminate(kWaitMs);
        }
    }

    void StartTray() {
        tray_ = std::make_unique<Process>(
            std::vector<std::string>{"trayer", "--edge", "top", "--align", "right", "--widthtype",
                                     "pixel", "--width", "120", "--height", "32", "--SetDockType",
                                     "true"},
            ProgramEnvironment(), work() / "trayer.txt", work() / "trayer.txt");
    }
    std::optional<WindowId> WaitForIcon() const {
        std::optional<WindowId> icon;
        WaitUntil(
            [&] {
                for (WindowId window : desktop.WindowsOf(kClass)) {
                    const std::optional<Geometry> at = desktop.GeometryOf(window);
                    if (at && at->width <= kLargestIcon && at->height <= kLargestIcon) {
                        icon = window;
                        return true;
                    }
                }
                return false;
            },
            kWaitMs);
        return icon;
    }
    bool ClickIcon(WindowId icon) const {
        const std::optional<Geometry> at = desktop.GeometryOf(icon);
        return at && desktop.Click(icon, at->width / 2, at->height / 2);
    }
    bool Shown(WindowId window) const {
        const std::vector<WindowId> shown = desktop.WindowsOf(kClass);
        return std::find(shown.begin(), shown.end(), window) != shown.end();
    }
    std::vector<std::string> StartArguments(bool hidden) const {
        std::vector<std::string> arguments = {"--simulate=" + MemoryFile().string()};
        if (hidden) {
            arguments.push_back("--hidden");
        }
        return arguments;
    }

  private:
    std::unique_ptr<Process> tray_;
};

TEST_F(DesktopEndToEnd, AHiddenStartSitsInTheTrayAndComesBackByItsIconAndASecondStart) {
    StartTray();
    desktop.MoveToScreen(600, 1000);
    Launch("", StartArguments(true));
    const std::optional<WindowId> icon = WaitForIcon();
    ASSERT_TRUE(icon) << "the icon in the tray; " << Log();
    EXPECT_FALSE(MainWindow(1000)) << "no window";

    ASSERT_TRUE(ClickIcon(*icon));
    const std::optional<WindowId> window = MainWindow();
    ASSERT_TRUE(window) << "a click on the icon shows the window; " << Log();

    const Point min = CentreOf(kMinButton);
    ASSERT_TRUE(desktop.Click(*window, min.x, min.y));
    EXPECT_TRUE(WaitUntil([&] { return !Shown(*window); }, kWaitMs)) << "Min hides it";
    EXPECT_TRUE(Shown(*icon));

    const CommandResult second =
        RunCommand({kCorvane.string(), "--simulate=" + MemoryFile().string(), "--hidden"},
                   ProgramEnvironment());
    EXPECT_EQ(second.exitCode, 0);
    EXPECT_TRUE(WaitUntil([&] { return Shown(*window); }, kWaitMs))
        << "a second start shows the first's window";
    EXPECT_TRUE(program->Running());
    EXPECT_TRUE(Boxes().empty()) << Log();
    EXPECT_EQ(Close(*window), 0) << Log();
}

// At login the panel may come up late; with none at all the window must not
// be lost.
TEST_F(DesktopEndToEnd, WithoutATrayAHiddenStartShowsTheWindowAfterItsWait) {
    const auto started = std::chrono::steady_clock::now();
    Launch("", StartArguments(true));
    const std::optional<WindowId> window = MainWindow(kTrayWaitMs + kWaitMs);
    ASSERT_TRUE(window) << Log();
    EXPECT_GE(std::chrono::steady_clock::now() - started, std::chrono::milliseconds(kTrayWaitMs));
    EXPECT_TRUE(Boxes().empty()) << Log();
    EXPECT_EQ(Close(*window), 0) << Log();
}

// As on Windows: a removal shows the not-detected notice and hides the
// window; an arrival reads the mouse again, without a notice, and the icon
// shows the window again.
TEST_F(DesktopEndToEnd, PullingTheMouseOutAndPluggingItInGiveTheWindowsNoticeHideAndRead) {
    std::filesystem::create_directories(SettingsFolder());
    std::ofstream(SettingsFolder() / "simulated-mouse.ini") << "wire_log = wire.log\n";
    const auto transfers = [&] {
        std::ifstream log(SettingsFolder() / "wire.log");
        return static_cast<std::size_t>(std::count(std::istreambuf_iterator<char>(log),
                                                   std::istreambuf_iterator<char>(), '\n'));
    };
    const auto plug = [&](const std::string& command) {
        const int fd = ::open((SettingsFolder() / kPlugControlName).c_str(), O_WRONLY | O_NONBLOCK);
        const std::string line = command + "\n";
        const bool written =
            fd >= 0 && ::write(fd, line.data(), line.size()) == static_cast<ssize_t>(line.size());
        if (fd >= 0) {
            ::close(fd);
        }
        return written;
    };
    StartTray();
    desktop.MoveToScreen(600, 1000);
    Launch("", StartArguments(false));
    const std::optional<WindowId> window = MainWindow();
    ASSERT_TRUE(window) << Log();
    const std::optional<WindowId> icon = WaitForIcon();
    ASSERT_TRUE(icon) << Log();
    ASSERT_TRUE(WaitUntil([&] { return transfers() == kFullReadTransfers; }, kWaitMs))
        << "the start's full read";

    ASSERT_TRUE(plug("unplug"));
    ASSERT_TRUE(WaitUntil([&] { return !Boxes().empty(); }, kWaitMs)) << Log();
    EXPECT_EQ(Boxes(), std::vector<std::string>{kNotDetectedNotice});
    EXPECT_TRUE(WaitUntil([&] { return !Shown(*window); }, kWaitMs)) << "the window hides";
    EXPECT_EQ(transfers(), kFullReadTransfers);

    ASSERT_TRUE(plug("plug"));
    EXPECT_TRUE(WaitUntil([&] { return transfers() == 2 * kFullReadTransfers; }, kWaitMs))
        << "read again; " << transfers() << " transfers";
    EXPECT_EQ(Boxes(), std::vector<std::string>{kNotDetectedNotice}) << "no notice more";
    EXPECT_FALSE(Shown(*window)) << "an arrival does not show the window";

    ASSERT_TRUE(ClickIcon(*icon));
    EXPECT_TRUE(WaitUntil([&] { return Shown(*window); }, kWaitMs)) << "the mouse is back";
    EXPECT_EQ(transfers(), 2 * kFullReadTransfers);
    EXPECT_EQ(Close(*window), 0) << Log();
}

// corvanectl beside the running window: the window holds the settings, so a
// set is refused and leaves config.bin as it was; after the window's Close
// the same set goes through.
TEST_F(DesktopEndToEnd, CorvanectlWritesNothingWhileTheWindowRuns) {
    const std::optional<WindowId> window = Start();
    ASSERT_TRUE(window);
    const std::vector<std::string> set = {
        kCorvanectl.string(), "--dir", SettingsFolder().string(), "set", "rate", "500"};
    const std::vector<std::uint8_t> config = ConfigBytes();
    EXPECT_EQ(RunCommand(set, ProgramEnvironment()).exitCode, 1);
    EXPECT_EQ(ConfigBytes(), config);

    ASSERT_EQ(Close(*window), 0);
    EXPECT_EQ(RunCommand(set, ProgramEnvironment()).exitCode, 0);
    const std::optional<SettingsRecord> stored = StoredRecord();
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->reportRate, 2);
}

}  // namespace
}  // namespace corvane::e2e
