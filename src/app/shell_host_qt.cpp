#include "app/shell_host_qt.h"

#include <xcb/xcb.h>

#include <QtGui/qguiapplication_platform.h>
#include <QCoreApplication>
#include <QCursor>
#include <QEvent>
#include <QGuiApplication>
#include <QTimer>
#include <QWindowStateChangeEvent>

#include <cstdlib>
#include <iostream>
#include <string>

#include "app/notice_table.h"
#include "app/tray_rules.h"
#include "core/text_encoding.h"

namespace corvane {
namespace {

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

ShellHostQt::ShellHostQt(QWidget& window, MessageBoxSink& boxes, Options options)
    : window_(window),
      boxes_(boxes),
      endProcess_(std::move(options.endProcess)),
      windowManagerRuns_(options.windowManagerRuns ? std::move(options.windowManagerRuns)
                                                   : WindowManagerRunsQt),
      trayAvailable_(options.trayAvailable ? std::move(options.trayAvailable)
                                           : TrayIconQt::TrayAvailable),
      instanceName_(options.instanceName.isEmpty() ? SingleInstanceQt::UserInstanceName()
                                                   : options.instanceName),
      watchDevices_(options.watchDevices ? std::move(options.watchDevices)
                                         : [](DeviceWatchQt& watch) {
                                               return watch.WatchDeviceManager(MakeUdevCalls()) ==
                                                      MonitorSetup::Ready;
                                           }),
      restores_(std::make_unique<Restores>(*this)),
      tray_(BuiltInApplicationIcon(), options.exitText,
            {[this] { Ask(requests_.trayClick); }, [this] { Ask(requests_.trayMenu); },
             [this] { Ask(requests_.exit); }}),
      single_([this] { Ask(requests_.trayClick); }),
      watch_([this](MousePlug plug) {
          if (requests_.plug) {
              requests_.plug(plug);
          }
      }) {
    window_.installEventFilter(restores_.get());
}

ShellHostQt::~ShellHostQt() {
    window_.removeEventFilter(restores_.get());
    while (waitCursors_ > 0) {
        EndWaitCursor();
    }
}

void ShellHostQt::Ask(const std::function<void()>& request) {
    if (request) {
        request();
    }
}

// The step runs after the event that asked for it, outside the window
// manager's state change and the logic's click, as a tray click would.
void ShellHostQt::QueueShow() {
    QTimer::singleShot(0, restores_.get(), [this] { Ask(requests_.show); });
}

// A later start's request to show this instance comes as a tray click.
bool ShellHostQt::SingleInstanceMutexExisted() {
    if (!anotherRuns_) {
        anotherRuns_ = EndsThisStart(single_.Claim(instanceName_));
    }
    return *anotherRuns_;
}

// For the whole application, so that its boxes and dialogs carry it too:
// the built-in icon at once, the theme's once the start has run.
void ShellHostQt::SetWindowIcons() {
    QGuiApplication::setWindowIcon(tray_.icon().icon());
    QTimer::singleShot(0, restores_.get(), [this] {
        const QIcon icon = ThemeApplicationIcon();
        tray_.icon().setIcon(icon);
        QGuiApplication::setWindowIcon(icon);
    });
}

// The window keeps its taskbar entry while it shows: without a tray that
// entry is the only way back to a minimised window, and with one a hidden
// window has no entry anyway.
void ShellHostQt::UseToolWindowStyle() {}

// The tip names the icon and, for the taskbar, the window. Without a tray
// now the icon appears when one comes up.
void ShellHostQt::AddTrayIcon(std::wstring_view tip) {
    window_.setWindowTitle(QString::fromStdWString(std::wstring(tip)));
    tray_.Add(tip);
}

// Every notice also goes to standard error, as the boxes do. Without a tray
// a warning (the mouse not detected) must still be seen, so it becomes a
// message box; the information notices (a report rate, a DPI stage) only
// echo what the user did and are left out.
void ShellHostQt::ShowBalloon(std::wstring_view text, std::wstring_view title, unsigned timeoutMs) {
    if (trayAvailable_()) {
        std::cerr << "corvane: notice: " << ToUtf8(std::wstring(title)) << ": "
                  << ToUtf8(std::wstring(text)) << std::endl;
        tray_.ShowBalloon(text, title, timeoutMs);
        return;
    }
    if (title == kTitleWarning) {
        boxes_.ShowMessageBox(std::wstring(text), std::wstring(title));
    }
}

void ShellHostQt::RemoveTrayIcon() {
    tray_.Remove();
}

// Qt or the desktop pops the menu up itself; it is on screen already or
// about to be, so only its item's text is left to set.
void ShellHostQt::ShowTrayMenu(std::wstring_view exitText) {
    tray_.SetExitText(exitText);
}

bool ShellHostQt::RegisterForDeviceChanges() {
    return watchDevices_(watch_);
}

void ShellHostQt::ShowInFront() {
    showing_ = true;
    window_.showNormal();
    window_.raise();
    window_.activateWindow();
    showing_ = false;
}

// With a tray the window hides into it, as on Windows. Without one it is
// minimised instead; with no window manager nothing could minimise it or
// give it back: it stays, and shows what the show step would show (a page
// left by Exit drawn again).
void ShellHostQt::Hide() {
    if (HideMeansFor(trayAvailable_()) == HideMeans::Hide) {
        window_.hide();
        return;
    }
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
