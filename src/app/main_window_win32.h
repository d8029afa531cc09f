// The program on Win32: the application object's steps (common controls,
// the window class "KelAPClass-Ver2", GDI+), and the main window created
// from an in-memory template, whose dialog procedure turns each message
// into one call on the shell or the window logic.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <optional>

#include "app/message_box_win32.h"
#include "app/shell.h"
#include "app/shell_host_win32.h"
#include "core/system_facts.h"
#include "device/app_state.h"
#include "device/hid_port.h"
#include "device/mouse_link.h"
#include "settings/file_store.h"
#include "settings/ini_store.h"
#include "settings/settings_files.h"
#include "ui/dialogs/dialog_runner_win32.h"
#include "ui/dialogs/skinned_dialog.h"
#include "ui/main/main_host_win32.h"
#include "ui/main/tessary_dlg.h"
#include "ui/main/text_messages.h"

namespace corvane {

// Common controls (all standard classes) and the window class, a copy of
// the system dialog class under the name other programs look for. False
// when the class cannot be registered. Registering twice in one process is
// allowed.
bool RegisterMainWindowClass();

class MainWindowWin32 {
  public:
    struct Options {
        std::unique_ptr<HidPort> port;
        std::unique_ptr<SystemFacts> facts;  // the platform's when empty
        // Where message boxes go; real boxes owned by the window when empty.
        MessageBoxSink* messageBoxes = nullptr;
        // Ends the process after the window is destroyed; ExitProcess when
        // empty.
        std::function<void(int exitCode)> endProcess;
    };

    explicit MainWindowWin32(Options options);
    ~MainWindowWin32();
    MainWindowWin32(const MainWindowWin32&) = delete;
    MainWindowWin32& operator=(const MainWindowWin32&) = delete;

    // Creates the window (its initialisation runs inside) and lets the start
    // settle hidden. nullptr when the window could not be created. A second
    // instance never returns from here.
    HWND Create();
    // The modal run: our loop until the window is gone.
    void Run();

    HWND window() const { return window_; }
    AppState& state() { return state_; }
    Shell& shell() { return shell_; }
    CTessaryDlg* dialog() { return dialog_ ? &*dialog_ : nullptr; }
    ShellHostWin32& shellHost() { return shellHost_; }
    std::optional<Initialisation> initialisation() const { return initialisation_; }
    // The pre-filter step of our loop, for one message.
    bool PreFilter(const MSG& message);

  private:
    class DialogPages;

    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR Handle(UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR OnInitDialog();
    INT_PTR OnCommand(WPARAM wParam, LPARAM lParam);
    INT_PTR OnControlColour(UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR OnPaint();
    INT_PTR Result(LRESULT value);
    void CreateWindowParts(HFONT listFont, HFONT pageFont);
    void EndProcess(int exitCode);

    std::unique_ptr<SystemFacts> facts_;
    std::unique_ptr<HidPort> port_;
    std::function<void(int)> endProcess_;
    AppState state_;
    MessageBoxSinkWin32 ownBoxes_;
    const TextTable& texts_;
    TextMessages messages_;
    MouseLink link_;
    std::unique_ptr<FileStore> fileStore_;
    std::unique_ptr<IniStore> iniStore_;
    SettingsFiles files_;
    ShellHostWin32 shellHost_;
    std::unique_ptr<DialogPages> pages_;
    Shell shell_;
    std::optional<MainHostWin32> mainHost_;
    DialogFlagsOfRun dialogFlags_;  // every dialog kind's flags, for the whole run
    std::optional<DialogRunnerWin32> dialogRunner_;
    std::optional<CTessaryDlg> dialog_;
    std::optional<Initialisation> initialisation_;
    HWND window_ = nullptr;
    UINT taskbarCreated_ = 0;
};

// CTessaryApp: common controls, class, GDI+, the main window run modally.
// Returns the process exit code of a normal end.
int RunProgram(std::unique_ptr<HidPort> port);

}  // namespace corvane
