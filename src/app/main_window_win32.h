// The main window on Win32: created from an in-memory template of the
// window class "KelAPClass-Ver2", run by our modal loop, and a dialog
// procedure that turns each message into one call on the program's shell or
// window logic, with the hosts attached to the window at its creation.
#pragma once

#include <windows.h>

#include <optional>

#include "app/device_change_win32.h"
#include "app/program.h"
#include "app/shell_host_win32.h"
#include "ui/main/main_host_win32.h"

namespace corvane {

// Common controls (all standard classes) and the window class, a copy of
// the system dialog class under the name other programs look for. False
// when the class cannot be registered. Registering twice in one process is
// allowed.
bool RegisterMainWindowClass();

class MainWindowWin32 {
  public:
    MainWindowWin32(Program& program, ShellHostWin32& shellHost, MainHostWin32& mainHost);
    MainWindowWin32(const MainWindowWin32&) = delete;
    MainWindowWin32& operator=(const MainWindowWin32&) = delete;
    ~MainWindowWin32();

    // Creates the window (the program's initialisation runs inside) and lets
    // the start settle hidden. nullptr when the window could not be created.
    // A second instance never returns from here.
    HWND Create();
    // The modal run: our loop until the window is gone.
    void Run();
    // The pre-filter step of our loop, for one message.
    bool PreFilter(const MSG& message);

    HWND window() const { return window_; }
    std::optional<Initialisation> initialisation() const { return initialisation_; }
    const DeviceChangeFilter& deviceChanges() const { return deviceChanges_; }

  private:
    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR Handle(UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR OnInitDialog();
    INT_PTR OnCommand(WPARAM wParam, LPARAM lParam);
    INT_PTR OnControlColour(UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR OnPaint();
    void OnTrayCallback(LPARAM mouseMessage);
    void OnDeviceChange(WPARAM event, LPARAM record);
    INT_PTR Result(LRESULT value);

    Shell& shell_;
    CTessaryDlg& logic_;
    ShellHostWin32& shellHost_;
    MainHostWin32& mainHost_;
    DeviceChangeFilter deviceChanges_;
    std::optional<Initialisation> initialisation_;
    HWND window_ = nullptr;
    UINT taskbarCreated_ = 0;
};

}  // namespace corvane
