// The application shell's host over the main window's HWND: the mutex, the
// icons and the tool-window style, the tray icon with its menu and
// balloons, the device notification, showing and hiding, the wait cursor
// and the end of the process.
#pragma once

#include <windows.h>

#include <shellapi.h>

#include <functional>
#include <string>

#include "app/shell_host.h"

namespace corvane {

class ShellHostWin32 final : public ShellHost {
  public:
    // `endProcess` ends the process after the window is destroyed;
    // ExitProcess when empty (tests keep their process).
    explicit ShellHostWin32(std::function<void(int exitCode)> endProcess = {});
    ~ShellHostWin32() override;
    ShellHostWin32(const ShellHostWin32&) = delete;
    ShellHostWin32& operator=(const ShellHostWin32&) = delete;

    void Attach(HWND window) { window_ = window; }

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

    HICON icon() const { return bigIcon_; }
    bool trayIconPresent() const { return trayAdded_; }
    const NOTIFYICONDATAW& trayRecord() const { return tray_; }

  private:
    std::function<void(int exitCode)> endProcess_;
    HWND window_ = nullptr;
    HANDLE mutex_ = nullptr;
    HICON bigIcon_ = nullptr;
    HICON smallIcon_ = nullptr;
    NOTIFYICONDATAW tray_{};
    bool trayAdded_ = false;
    HCURSOR cursorBeforeWait_ = nullptr;
    HDEVNOTIFY notification_ = nullptr;
};

}  // namespace corvane
