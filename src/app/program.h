// The program's logic, wired once: the process-wide state, the language's
// texts, the messages, the link to the mouse, the settings files, the window
// logic and the shell. A program's main creates its hosts, its HID port, its
// stores and its two folders, hands them over here, and turns the
// platform's events into calls on shell() and window().
#pragma once

#include <string>

#include "app/access_rule_messages.h"
#include "app/shell.h"
#include "app/shell_host.h"
#include "core/system_facts.h"
#include "device/device_state.h"
#include "device/hid_port.h"
#include "device/mouse_link.h"
#include "settings/file_store.h"
#include "settings/ini_store.h"
#include "settings/settings_files.h"
#include "ui/main/main_host.h"
#include "ui/main/tessary_dlg.h"
#include "ui/main/text_messages.h"
#include "ui/main/text_table.h"

namespace corvane {

// What a program's main hands over; every reference outlives the program.
struct ProgramParts {
    ShellHost& shellHost;
    MainWindowHost& windowHost;
    // Where the messages' boxes appear (modal, OK button).
    MessageBoxSink& messageBoxes;
    HidPort& port;
    SystemFacts& facts;
    FileStore& fileStore;
    IniStore& iniStore;
    // The folder of config.bin and str.ini.
    std::wstring settingsFolder;
    // The folder of the language folders "CHS" and "EN".
    std::wstring skinFolder;
};

class Program {
  public:
    explicit Program(const ProgramParts& parts);
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    Shell& shell() { return shell_; }
    CTessaryDlg& window() { return window_; }
    DeviceState& state() { return state_; }
    UserMessages& messages() { return messages_; }
    SettingsFiles& files() { return files_; }

  private:
    DeviceState state_;
    const TextTable& texts_;
    TextMessages messages_;
    // The device link's messages, with the hint at the access rule where
    // the port says one would mend an open failure (never on Windows).
    AccessRuleMessages linkMessages_;
    MouseLink link_;
    SettingsFiles files_;
    // The shell owns the window's effects beyond it (Save's write, Close),
    // so it is made first; it only keeps its reference to the window.
    Shell shell_;
    CTessaryDlg window_;
};

}  // namespace corvane
