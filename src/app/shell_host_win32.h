// The application shell's host over the main window's HWND: the mutex, the
// icons and the tool-window style, the fonts, the tray icon with its menu
// and balloons, the device notification, showing and hiding, the end of
// the process.
#pragma once

#include <windows.h>

#include <shellapi.h>

#include <functional>
#include <string>

#include "app/shell_host.h"

namespace corvane {

class ShellHostWin32 final : public ShellHost {
  public:
    struct Hooks {
        // The two fonts were created (they live as long as the process).
        std::function<void(HFONT list, HFONT page)> fontsCreated;
        std::function<void(const std::wstring& path)> loadBackground;
        // Ends the process; ExitProcess when empty.
        std::function<void(int exitCode)> endProcess;
    };

    explicit ShellHostWin32(Hooks hooks);
    ~ShellHostWin32() override;
    ShellHostWin32(const ShellHostWin32&) = delete;
    ShellHostWin32& operator=(const ShellHostWin32&) = delete;

    void Attach(HWND window) { window_ = window; }

    bool SingleInstanceMutexExisted() override;
    void SetWindowIcons() override;
    void UseToolWindowStyle() override;
    void CreateFonts(const WindowFonts& fonts) override;
    void AddTrayIcon(std::wstring_view tip) override;
    void ShowBalloon(std::wstring_view text, std::wstring_view title, unsigned timeoutMs) override;
    void RemoveTrayIcon() override;
    void ShowTrayMenu(std::wstring_view exitText) override;
    bool RegisterForDeviceChanges() override;
    void LoadBackground(const std::wstring& path) override;
    void ShowInFront() override;
    void Hide() override;
    void BeginWaitCursor() override;
    void EndWaitCursor() override;
    void EndProcess(int exitCode) override;

    HICON icon() const { return bigIcon_; }
    bool trayIconPresent() const { return trayAdded_; }
    const NOTIFYICONDATAW& trayRecord() const { return tray_; }

  private:
    Hooks hooks_;
    HWND window_ = nullptr;
    HANDLE mutex_ = nullptr;
    HICON bigIcon_ = nullptr;
    HICON smallIcon_ = nullptr;
    HFONT listFont_ = nullptr;
    HFONT pageFont_ = nullptr;
    NOTIFYICONDATAW tray_{};
    bool trayAdded_ = false;
    HCURSOR cursorBeforeWait_ = nullptr;
    HDEVNOTIFY notification_ = nullptr;
};

}  // namespace corvane
