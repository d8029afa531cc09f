// What the application shell asks of the platform: the single-instance
// mutex, the window's icons and style, the tray icon with its menu and
// balloons, device notifications, showing and hiding the window, the wait
// cursor and the end of the process. The Win32 host does it with the real
// window; tests use a recording fake.
#pragma once

#include <string>
#include <string_view>

namespace corvane {

class ShellHost {
  public:
    virtual ~ShellHost() = default;

    // Creates or opens the named mutex "APPKelVer2Mutex", not owned. True
    // when it existed already (another instance runs).
    virtual bool SingleInstanceMutexExisted() = 0;
    // Big and small window icon from the application icon resource.
    virtual void SetWindowIcons() = 0;
    // No taskbar button: the tool-window style instead of the application one.
    virtual void UseToolWindowStyle() = 0;

    // Adds the tray icon (callback message, application icon, `tip`). Also
    // used again when the notification area has been recreated.
    virtual void AddTrayIcon(std::wstring_view tip) = 0;
    // Shows a balloon on the tray icon (information icon).
    virtual void ShowBalloon(std::wstring_view text, std::wstring_view title,
                             unsigned timeoutMs) = 0;
    // Removes the tray icon, also when the last add reported a failure;
    // nothing happens when it is not there.
    virtual void RemoveTrayIcon() = 0;
    // Pops up the tray menu at the pointer: one item, `exitText`, whose
    // choice ends the program (Shell::EndProgram). Returns when it closes.
    virtual void ShowTrayMenu(std::wstring_view exitText) = 0;

    // Registers the window for arrivals and removals of HID interfaces, which
    // the platform then reports as Shell::OnMouseArrived / OnMouseRemoved.
    virtual bool RegisterForDeviceChanges() = 0;

    virtual void ShowInFront() = 0;
    virtual void Hide() = 0;

    // The pointer shows the wait cursor from Begin until End, while the one
    // thread is busy with the mouse.
    virtual void BeginWaitCursor() = 0;
    virtual void EndWaitCursor() = 0;

    // Tears the window down and ends the process with `exitCode`. Does not
    // return in the Win32 host; the Qt host ends the event loop and returns,
    // so the caller does nothing more after it.
    virtual void EndProcess(int exitCode) = 0;
};

}  // namespace corvane
