// The application shell's host with Qt, over the main window's widget, for
// a desktop without a tray: the window is a normal one with a taskbar entry,
// shown at start whether the mouse is there or not, minimised where the
// Windows program hides it, and given the tray click's show step when the
// user restores it, so that it can never be lost. What a tray, a second
// instance or device events would change is decided in one member each
// (showsWindowAtStart, UseToolWindowStyle, Hide, ShowBalloon,
// SingleInstanceMutexExisted, RegisterForDeviceChanges), where they plug in.
#pragma once

#include <QObject>
#include <QWidget>

#include <functional>
#include <memory>
#include <string_view>

#include "app/shell_host.h"
#include "ui/main/text_messages.h"

namespace corvane {

// True when a window manager runs on the display: only then can a window
// be minimised and given back (a platform without one, such as a bare X
// server or Qt's offscreen platform, leaves the window where it is).
bool WindowManagerRunsQt();

class ShellHostQt final : public ShellHost {
  public:
    // `window` is the main window; `boxes` shows the warnings a tray would
    // show as balloons; `endProcess` ends the program's event loop with the
    // exit code (QCoreApplication::exit when empty); `windowManagerRuns` is
    // asked at every hide (WindowManagerRunsQt when empty).
    ShellHostQt(QWidget& window, MessageBoxSink& boxes,
                std::function<void(int exitCode)> endProcess = {},
                std::function<bool()> windowManagerRuns = {});
    ~ShellHostQt() override;
    ShellHostQt(const ShellHostQt&) = delete;
    ShellHostQt& operator=(const ShellHostQt&) = delete;

    // The tray click's show step (Shell::ShowWindow), run after the event in
    // which the user restored the minimised window.
    void SetShowRequest(std::function<void()> show) { showRequest_ = std::move(show); }
    // Without a tray nothing else could bring the window up.
    bool showsWindowAtStart() const { return true; }

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

  private:
    class Restores;

    void QueueShow();

    QWidget& window_;
    MessageBoxSink& boxes_;
    std::function<void(int exitCode)> endProcess_;
    std::function<bool()> windowManagerRuns_;
    std::function<void()> showRequest_;
    std::unique_ptr<Restores> restores_;
    bool showing_ = false;
    int waitCursors_ = 0;
};

}  // namespace corvane
