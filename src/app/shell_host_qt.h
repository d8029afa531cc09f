// The application shell's host with Qt, over the main window's widget, on a
// Linux desktop: the tray icon (QSystemTrayIcon), one instance per user, and
// the mouse's plugging in and pulling out. Where the desktop has a tray the
// window hides into it as on Windows; where it has none the window is a
// normal one with a taskbar entry, minimised where the Windows program hides
// it and given the tray click's show step when the user restores it, so that
// it can never be lost. Whether a tray is there is asked at every hide and
// notice: a panel may come up, or go, while the program runs.
#pragma once

#include <QObject>
#include <QString>
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "app/device_events.h"
#include "app/device_watch_qt.h"
#include "app/shell_host.h"
#include "app/single_instance_qt.h"
#include "app/tray_icon_qt.h"
#include "ui/main/text_messages.h"

namespace corvane {

// True when a window manager runs on the display: only then can a window
// be minimised and given back (a platform without one, such as a bare X
// server or Qt's offscreen platform, leaves the window where it is).
bool WindowManagerRunsQt();

class ShellHostQt final : public ShellHost {
  public:
    // What the desktop asks of the shell, each on the event loop. An empty
    // one is not asked.
    struct Requests {
        // The user restored the minimised window: Shell::ShowWindow.
        std::function<void()> show{};
        // A click on the tray icon, or a later start of the program:
        // Shell::OnTrayClick.
        std::function<void()> trayClick{};
        // The icon's menu is about to show: Shell::OnTrayMenuRequest.
        std::function<void()> trayMenu{};
        // The menu's Exit: Shell::EndProgram.
        std::function<void()> exit{};
        // One merged arrival or removal of the mouse: Shell::OnMouseArrived
        // or OnMouseRemoved.
        std::function<void(MousePlug)> plug{};
    };

    struct Options {
        // The tray menu's one item, in the window's language: a desktop that
        // shows the menu itself asks for it only once, before any click.
        std::wstring exitText;
        // Ends the program's event loop with the exit code;
        // QCoreApplication::exit when empty.
        std::function<void(int exitCode)> endProcess;
        // Asked at every hide; WindowManagerRunsQt when empty.
        std::function<bool()> windowManagerRuns;
        // Asked at every hide and notice; TrayIconQt::TrayAvailable when empty.
        std::function<bool()> trayAvailable;
        // The name the running instance holds; this user's when empty.
        QString instanceName;
        // Sets up the sources of plug-in and removal events on `watch`;
        // false when they go unnoticed. The device manager's monitor when
        // empty.
        std::function<bool(DeviceWatchQt& watch)> watchDevices;
    };

    // `window` is the main window; `boxes` shows the warnings that a
    // desktop without a tray cannot show as notices.
    ShellHostQt(QWidget& window, MessageBoxSink& boxes, Options options);
    ~ShellHostQt() override;
    ShellHostQt(const ShellHostQt&) = delete;
    ShellHostQt& operator=(const ShellHostQt&) = delete;

    void SetRequests(Requests requests) { requests_ = std::move(requests); }
    const Requests& requests() const { return requests_; }

    // Claims the user's instance once; asked again, answers as the first
    // time (the program asks before it makes its settings folder, the
    // shell again as its start begins).
    bool SingleInstanceMutexExisted() override;
    void SetWindowIcons() override;
    void UseToolWindowStyle() override;
    void AddTrayIcon(std::wstring_view tip) override;
    void ShowBalloon(std::wstring_view text, std::wstring_view title, unsigned timeoutMs) override;
    void RemoveTrayIcon() override;
    void ShowTrayMenu(std::wstring_view exitText) override;
    bool RegisterForDeviceChanges() override;
    void ShowInFront() override;
    void Hide() override;
    void BeginWaitCursor() override;
    void EndWaitCursor() override;
    void EndProcess(int exitCode) override;

    TrayIconQt& tray() { return tray_; }

  private:
    class Restores;

    void QueueShow();
    static void Ask(const std::function<void()>& request);

    QWidget& window_;
    MessageBoxSink& boxes_;
    std::function<void(int exitCode)> endProcess_;
    std::function<bool()> windowManagerRuns_;
    std::function<bool()> trayAvailable_;
    QString instanceName_;
    std::function<bool(DeviceWatchQt&)> watchDevices_;
    Requests requests_;
    std::unique_ptr<Restores> restores_;
    TrayIconQt tray_;
    SingleInstanceQt single_;
    std::optional<bool> anotherRuns_;
    DeviceWatchQt watch_;
    bool showing_ = false;
    int waitCursors_ = 0;
};

}  // namespace corvane
