// The shell's Qt host for a desktop without a tray, on Qt's offscreen
// platform: minimising where Windows hides and the show step on restore,
// with and without a window manager; warnings as boxes; the window's title
// and taskbar entry; the wait cursor; the end of the event loop.
#include "app/shell_host_qt.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCoreApplication>
#include <QCursor>
#include <QTest>
#include <QWidget>

#include <ostream>
#include <string>
#include <vector>

#include "core/text_encoding.h"

namespace corvane::testing {
namespace {

struct Box {
    std::wstring text, caption;
    friend bool operator==(const Box&, const Box&) = default;
    friend void PrintTo(const Box& box, std::ostream* out) {
        *out << ToUtf8(box.caption) << ": " << ToUtf8(box.text);
    }
};

class RecordedBoxes final : public MessageBoxSink {
  public:
    std::vector<Box> shown;
    void ShowMessageBox(const std::wstring& text, const std::wstring& caption) override {
        shown.push_back({text, caption});
    }
};

class ShellHostQtTest : public ::testing::Test {
  protected:
    QWidget window{nullptr, Qt::Window | Qt::FramelessWindowHint};
    RecordedBoxes boxes;
    std::vector<int> exitCodes;
    bool windowManager = true;
    int shows = 0;
    ShellHostQt host{window, boxes, [this](int code) { exitCodes.push_back(code); },
                     [this] { return windowManager; }};

    ShellHostQtTest() {
        window.resize(760, 630);
        host.SetShowRequest([this] {
            ++shows;
            host.ShowInFront();
        });
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
    EXPECT_TRUE(host.showsWindowAtStart());
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
