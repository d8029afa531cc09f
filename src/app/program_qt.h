// The program on Linux with Qt, as its main assembles it: the platform's
// facts and stores, the settings and skin folders it is handed, the
// window's and the shell's Qt hosts, the program's logic on them, the
// desktop's events handed to the shell, and the start (shown, or in the
// tray). A QApplication must exist first.
#pragma once

#include <QWidget>

#include <functional>
#include <memory>
#include <string>

#include "app/program.h"
#include "app/shell_host_qt.h"
#include "app/tray_icon_qt.h"
#include "core/system_facts.h"
#include "device/hid_port.h"
#include "settings/file_store.h"
#include "settings/ini_store.h"
#include "ui/main/main_host_qt.h"

namespace corvane {

// Every box also goes to standard error as "corvane: CAPTION: TEXT" (the
// session's log keeps what the user was told, as corvanectl prints its
// messages), then to the boxes.
class LoggedMessageBoxes final : public MessageBoxSink {
  public:
    explicit LoggedMessageBoxes(MessageBoxSink& boxes) : boxes_(boxes) {}
    void ShowMessageBox(const std::wstring& text, const std::wstring& caption) override;

  private:
    MessageBoxSink& boxes_;
};

class ProgramQt {
  public:
    struct Options {
        std::unique_ptr<HidPort> port;
        std::unique_ptr<SystemFacts> facts;  // the platform's when empty
        // The folder of config.bin and str.ini, made when missing.
        std::wstring settingsFolder;
        // The folder of the language folders "CHS" and "EN".
        std::wstring skinFolder;
        // Where message boxes go; the window's own boxes when empty.
        MessageBoxSink* messageBoxes = nullptr;
        // --hidden: start in the tray, waiting for one at login.
        bool hidden = false;
        // The start's images decoded ahead (StartImagesOf); outlives the
        // program. None: every image is decoded as it is drawn.
        SkinImagePrefetch* prefetch = nullptr;
        // ShellHostQt's: the end of the event loop, whether a window
        // manager runs, whether a tray does, the instance's name, and the
        // sources of plug-in and removal events.
        std::function<void(int exitCode)> endProcess;
        std::function<bool()> windowManagerRuns;
        std::function<bool()> trayAvailable;
        QString instanceName;
        std::function<bool(DeviceWatchQt& watch)> watchDevices;
    };

    explicit ProgramQt(Options options);
    ProgramQt(const ProgramQt&) = delete;
    ProgramQt& operator=(const ProgramQt&) = delete;

    // What happens before the event loop runs: the hosts tied to the logic,
    // the settings folder and a missing config.bin made (from the factory
    // file, so that the first display installs the factory labels), the
    // shell's start-up, and the start's step: the window shown, or (hidden)
    // left in the tray, once there is one or the wait for it has ended. A
    // SecondInstance has shown the running instance instead: the program
    // ends with code 0 without running its event loop.
    Initialisation Start();

    QWidget* window() const { return mainHost_.window(); }
    Program& program() { return program_; }
    MainHostQt& mainHost() { return mainHost_; }
    ShellHostQt& shellHost() { return shellHost_; }

  private:
    std::unique_ptr<SystemFacts> facts_;
    std::unique_ptr<HidPort> port_;
    std::unique_ptr<FileStore> fileStore_;
    std::unique_ptr<IniStore> iniStore_;
    std::wstring settingsFolder_;
    MainHostQt mainHost_;
    LoggedMessageBoxes boxes_;
    ShellHostQt shellHost_;
    Program program_;
    bool hidden_;
    std::function<bool()> trayAvailable_;
    std::unique_ptr<StartWaitQt> startWait_;
};

}  // namespace corvane
