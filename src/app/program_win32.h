// The program on Win32, as its main assembles it: GDI+ for the whole run,
// the platform's facts and stores, the two folders beside the executable,
// the shell's and the window's hosts, the program's logic on them, and the
// main window that translates their messages.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>

#include "app/main_window_win32.h"
#include "app/program.h"
#include "app/shell_host_win32.h"
#include "core/system_facts.h"
#include "device/hid_port.h"
#include "settings/file_store.h"
#include "settings/ini_store.h"
#include "ui/main/main_host_win32.h"
#include "ui/skin/gdiplus_lease_win32.h"

namespace corvane {

class ProgramWin32 {
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

    explicit ProgramWin32(Options options);
    ProgramWin32(const ProgramWin32&) = delete;
    ProgramWin32& operator=(const ProgramWin32&) = delete;

    HWND Create() { return window_.Create(); }
    void Run() { window_.Run(); }

    HWND window() const { return window_.window(); }
    MainWindowWin32& mainWindow() { return window_; }
    Program& program() { return program_; }
    DeviceState& state() { return program_.state(); }
    Shell& shell() { return program_.shell(); }
    CTessaryDlg& dialog() { return program_.window(); }
    ShellHostWin32& shellHost() { return shellHost_; }
    MainHostWin32& mainHost() { return mainHost_; }

  private:
    GdiplusLease gdiplus_;  // GDI+ from the start of the program to its end
    std::unique_ptr<SystemFacts> facts_;
    std::unique_ptr<HidPort> port_;
    std::unique_ptr<FileStore> fileStore_;
    std::unique_ptr<IniStore> iniStore_;
    ShellHostWin32 shellHost_;
    MainHostWin32 mainHost_;
    Program program_;
    MainWindowWin32 window_;
};

// The application's steps: common controls and the window class, then the
// program run modally. Returns the process exit code of a normal end.
int RunProgram(std::unique_ptr<HidPort> port);

}  // namespace corvane
