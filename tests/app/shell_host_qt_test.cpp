// The shell's Qt host on Qt's offscreen platform. Without a tray:
// minimising where Windows hides and the show step on restore, with and
// without a window manager; warnings as boxes; the window's title and
// taskbar entry. With one: hiding into it, notices, the icon's requests. One
// instance per host name; the device sources it is given; the wait cursor;
// the end of the event loop.
#include "app/shell_host_qt.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCoreApplication>
#include <QCursor>
#include <QTest>
#include <QWidget>

#include <fstream>
#include <ostream>
#include <string>
#include <vector>

#include "app/shell_fakes.h"
#include "core/text_encoding.h"
#include "support/temp_folder.h"

namespace corvane::testing {
namespace {

class ShellHostQtTest : public ::testing::Test {
  protected:
    QWidget window{nullptr, Qt::Window | Qt::FramelessWindowHint};
    RecordedBoxes boxes;
    std::vector<int> exitCodes;
    bool windowManager = true;
    bool tray = false;
    bool devicesWatched = true;
    int shows = 0;
    QString instanceName = InstanceName();
    ShellHostQt host{window, boxes, OptionsOf(instanceName)};

    ShellHostQt::Options OptionsOf(const QString& instanceName) {
        return {L"Exit",
                [this](int code) { exitCodes.push_back(code); },
                [this] { return windowManager; },
                [this] { return tray; },
                instanceName,
                [this](DeviceWatchQt&) { return devicesWatched; }};
    }
    // A name of this test's own, so that runs side by side never meet.
    static QString InstanceName() {
        static int counter = 0;
        return QStringLiteral("/org.corvane.Corvane/shell-host-test-%1-%2")
            .arg(QCoreApplication::applicationPid())
            .arg(counter++);
    }

    ShellHostQtTest() {
        window.resize(760, 630);
        host.SetRequests({.show = [this] {
            ++shows;
            host.ShowInFront();
        }});
        host.ShowInFront();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    // The queued show step has run, or has not come within the time.
    bool ShowStepRan(int expected) {
        return QTest::qWaitFor([&] { return shows == expected; }, 1000);
    }
};

TEST_F(ShellHostQtTest, AHideMinimisesAndTheUsersRestoreRunsTheShowStepOnce) {
    host.Hide();
    EXPECT_TRUE(window.isMinimized());
    EXPECT_TRUE(window.isVisible()) << "minimised, so still in the taskbar";
    QCoreApplication::processEvents();
    EXPECT_EQ(shows, 0);

    window.setWindowState(Qt::WindowNoState);  // as the window manager reports a restore
    EXPECT_TRUE(ShowStepRan(1));
    EXPECT_FALSE(window.isMinimized());
    QCoreApplication::processEvents();
    EXPECT_EQ(shows, 1) << "the step's own show is no second restore";

    host.Hide();
    host.ShowInFront();  // the show step from elsewhere restores too
    QCoreApplication::processEvents();
    EXPECT_EQ(shows, 1);
    EXPECT_FALSE(window.isMinimized());
}

TEST_F(ShellHostQtTest, WithoutAWindowManagerAHideLeavesTheWindowAndRunsTheShowStep) {
    windowManager = false;
    host.Hide();
    EXPECT_FALSE(window.isMinimized());
    EXPECT_EQ(shows, 0) << "after the event that asked, not inside it";
    EXPECT_TRUE(ShowStepRan(1));
    EXPECT_TRUE(window.isVisible());
}

TEST_F(ShellHostQtTest, TheWindowKeepsItsTaskbarEntryAndTheTipNamesIt) {
    host.UseToolWindowStyle();
    host.AddTrayIcon(L"Gaming Mouse Setting");
    EXPECT_EQ(window.windowFlags() & Qt::Tool, Qt::Window) << "a normal window, not a tool one";
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Gaming Mouse Setting"));
    EXPECT_FALSE(host.SingleInstanceMutexExisted());
    EXPECT_TRUE(host.RegisterForDeviceChanges());
    devicesWatched = false;
    EXPECT_FALSE(host.RegisterForDeviceChanges()) << "what the sources' setup said";
}

// As on Windows: the window leaves the screen and the taskbar, the notices
// are the tray's, and the show step brings the window back.
TEST_F(ShellHostQtTest, WithATrayAHideHidesIntoItAndNoticesAreTheTrays) {
    tray = true;
    host.Hide();
    EXPECT_FALSE(window.isVisible());
    EXPECT_FALSE(window.isMinimized());
    host.ShowBalloon(L"The system did not detect the gaming mouse!", L"Warning", 100);
    host.ShowBalloon(L"Report rate 500Hz", L"Info", 5000);
    EXPECT_TRUE(boxes.shown.empty());
    QCoreApplication::processEvents();
    EXPECT_EQ(shows, 0) << "nothing shows a hidden window but the user";
    host.ShowInFront();
    EXPECT_TRUE(window.isVisible());
}

TEST_F(ShellHostQtTest, TheIconALaterStartAndThePlugControlReachTheShell) {
    int clicks = 0, menus = 0, exits = 0;
    std::vector<MousePlug> plugs;
    host.SetRequests({.trayClick = [&] { ++clicks; },
                      .trayMenu = [&] { ++menus; },
                      .exit = [&] { ++exits; },
                      .plug = [&](MousePlug plug) { plugs.push_back(plug); }});
    emit host.tray().icon().activated(QSystemTrayIcon::Trigger);
    EXPECT_EQ(clicks, 1);
    emit host.tray().menu().aboutToShow();
    EXPECT_EQ(menus, 1);
    host.ShowTrayMenu(L"退出");
    ASSERT_EQ(host.tray().menu().actions().size(), 1);
    EXPECT_EQ(host.tray().menu().actions()[0]->text(), QStringLiteral("退出"));
    host.tray().menu().actions()[0]->trigger();
    EXPECT_TRUE(QTest::qWaitFor([&] { return exits == 1; }, 1000));

    // The first start holds the name; a later one shows it as a click would.
    EXPECT_FALSE(host.SingleInstanceMutexExisted());
    QWidget otherWindow;
    ShellHostQt later(otherWindow, boxes, OptionsOf(instanceName));
    EXPECT_TRUE(later.SingleInstanceMutexExisted());
    EXPECT_EQ(clicks, 2);

    TempFolder folder;
    ShellHostQt::Options options = OptionsOf(InstanceName());
    bool present = true;
    options.watchDevices = [&](DeviceWatchQt& watch) {
        return watch.WatchPlugControl(folder.Wide(""), SimulatedPlug(true, [&](bool p) {
                                          present = p;
                                      })) == PlugControlSetup::Ready;
    };
    ShellHostQt simulated(otherWindow, boxes, std::move(options));
    simulated.SetRequests({.plug = [&](MousePlug plug) { plugs.push_back(plug); }});
    ASSERT_TRUE(simulated.RegisterForDeviceChanges());
    std::ofstream(folder / kPlugControlName) << "unplug\n" << std::flush;
    ASSERT_TRUE(QTest::qWaitFor([&] { return !plugs.empty(); }, 5000));
    EXPECT_EQ(plugs, std::vector<MousePlug>{MousePlug::Removed}) << "both nodes merged";
    EXPECT_FALSE(present);
}

TEST_F(ShellHostQtTest, AWarningBalloonBecomesABoxAndInformationIsLeftOut) {
    host.ShowBalloon(L"Report rate 500Hz", L"Info", 5000);
    host.ShowBalloon(L"The system did not detect the gaming mouse!", L"Warning", 100);
    EXPECT_EQ(boxes.shown,
              (std::vector<Box>{{L"The system did not detect the gaming mouse!", L"Warning"}}));
}

TEST_F(ShellHostQtTest, TheWaitCursorLastsUntilTheOutermostEnd) {
    ASSERT_EQ(QGuiApplication::overrideCursor(), nullptr);
    host.BeginWaitCursor();
    host.BeginWaitCursor();
    ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
    host.EndWaitCursor();
    EXPECT_NE(QGuiApplication::overrideCursor(), nullptr);
    host.EndWaitCursor();
    host.EndWaitCursor();  // one end too many changes nothing
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST_F(ShellHostQtTest, EndingHidesTheWindowAndHandsOverTheExitCode) {
    host.EndProcess(0);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(exitCodes, std::vector<int>{0});
}

}  // namespace
}  // namespace corvane::testing
