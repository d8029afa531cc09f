#include "app/shell_host_qt.h"

#include <xcb/xcb.h>

#include <QtGui/qguiapplication_platform.h>
#include <QCoreApplication>
#include <QCursor>
#include <QEvent>
#include <QGuiApplication>
#include <QIcon>
#include <QTimer>
#include <QWindowStateChangeEvent>

#include <cstdlib>
#include <string>

#include "app/notice_table.h"

namespace corvane {
namespace {

// The program's icon, when the program carries it as a Qt resource.
constexpr char kIconResource[] = ":/corvane/corvane.ico";

xcb_connection_t* X11Connection() {
    auto* x11 = qGuiApp != nullptr ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>()
                                   : nullptr;
    return x11 != nullptr ? x11->connection() : nullptr;
}

// X11 requests wait in the connection until the event loop runs again;
// during a full read or write it does not, so they are sent at once.
void FlushToDisplay() {
    if (xcb_connection_t* connection = X11Connection()) {
        xcb_flush(connection);
    }
}

}  // namespace

// A window manager is by definition the one client that redirects the
// structure requests of the root window; X keeps the union of every
// client's event masks there.
bool WindowManagerRunsQt() {
    xcb_connection_t* connection = X11Connection();
    if (connection == nullptr) {
        const QString platform = QGuiApplication::platformName();
        return platform != QLatin1String("offscreen") && platform != QLatin1String("minimal");
    }
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    if (screen == nullptr) {
        return false;
    }
    xcb_get_window_attributes_reply_t* attributes = xcb_get_window_attributes_reply(
        connection, xcb_get_window_attributes(connection, screen->root), nullptr);
    const bool managed = attributes != nullptr &&
                         (attributes->all_event_masks & XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT) != 0;
    std::free(attributes);
    return managed;
}

// Watches the window for the user's restore of it: a change of state that
// leaves the minimised state, which the window manager reports.
class ShellHostQt::Restores final : public QObject {
  public:
    explicit Restores(ShellHostQt& host) : host_(host) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &host_.window_ && event->type() == QEvent::WindowStateChange &&
            !host_.showing_) {
            const auto* change = static_cast<QWindowStateChangeEvent*>(event);
            if ((change->oldState() & Qt::WindowMinimized) != 0 && !host_.window_.isMinimized()) {
                host_.QueueShow();
            }
        }
        return false;
    }

  private:
    ShellHostQt& host_;
};

ShellHostQt::ShellHostQt(QWidget& window, MessageBoxSink& boxes,
                         std::function<void(int exitCode)> endProcess,
                         std::function<bool()> windowManagerRuns)
    : window_(window),
      boxes_(boxes),
      endProcess_(std::move(endProcess)),
      windowManagerRuns_(windowManagerRuns ? std::move(windowManagerRuns) : WindowManagerRunsQt),
      restores_(std::make_unique<Restores>(*this)) {
    window_.installEventFilter(restores_.get());
}

ShellHostQt::~ShellHostQt() {
    window_.removeEventFilter(restores_.get());
    while (waitCursors_ > 0) {
        EndWaitCursor();
    }
}

// The step runs after the event that asked for it, outside the window
// manager's state change and the logic's click, as a tray click would.
void ShellHostQt::QueueShow() {
    QTimer::singleShot(0, restores_.get(), [this] {
        if (showRequest_) {
            showRequest_();
        }
    });
}

// One instance at a time comes with the next desktop parts; until then
// every start runs.
bool ShellHostQt::SingleInstanceMutexExisted() {
    return false;
}

void ShellHostQt::SetWindowIcons() {
    window_.setWindowIcon(QIcon(QString::fromLatin1(kIconResource)));
}

// Without a tray the taskbar entry is the only way back to a minimised
// window, so the window keeps it.
void ShellHostQt::UseToolWindowStyle() {}

// Without a tray the tip names the window in the taskbar.
void ShellHostQt::AddTrayIcon(std::wstring_view tip) {
    window_.setWindowTitle(QString::fromStdWString(std::wstring(tip)));
}

// Without a tray a warning (the mouse not detected) must still be seen, so
// it becomes a message box; the information notices (a report rate, a DPI
// stage) only echo what the user did and are left out.
void ShellHostQt::ShowBalloon(std::wstring_view text, std::wstring_view title, unsigned) {
    if (title == kTitleWarning) {
        boxes_.ShowMessageBox(std::wstring(text), std::wstring(title));
    }
}

void ShellHostQt::RemoveTrayIcon() {}

// No tray icon asks for its menu.
void ShellHostQt::ShowTrayMenu(std::wstring_view) {}

// Plug-in and removal are watched once a device monitor is attached (the
// next desktop parts); until then nothing is registered, and nothing can
// fail to be.
bool ShellHostQt::RegisterForDeviceChanges() {
    return true;
}

void ShellHostQt::ShowInFront() {
    showing_ = true;
    window_.showNormal();
    window_.raise();
    window_.activateWindow();
    showing_ = false;
}

// Where the Windows program hides the window, this one minimises it. With
// no window manager nothing could minimise it or give it back: it stays,
// and shows what the show step would show (a page left by Exit drawn again).
void ShellHostQt::Hide() {
    if (windowManagerRuns_()) {
        window_.showMinimized();
        return;
    }
    QueueShow();
}

// Nested begins keep the wait cursor until the outermost end.
void ShellHostQt::BeginWaitCursor() {
    ++waitCursors_;
    QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    FlushToDisplay();
}

void ShellHostQt::EndWaitCursor() {
    if (waitCursors_ == 0) {
        return;
    }
    --waitCursors_;
    QGuiApplication::restoreOverrideCursor();
    FlushToDisplay();
}

// The event loop ends once the click that asked for it has been handled;
// the program then returns `exitCode` from its main.
void ShellHostQt::EndProcess(int exitCode) {
    window_.hide();
    if (endProcess_) {
        endProcess_(exitCode);
        return;
    }
    QCoreApplication::exit(exitCode);
}

}  // namespace corvane
