#include "app/program_qt.h"

#include <iostream>

#include "core/text_encoding.h"

#include "meaning/factory_settings.h"
#include "settings/user_settings_folder.h"
#include "ui/main/text_table.h"

namespace corvane {

void LoggedMessageBoxes::ShowMessageBox(const std::wstring& text, const std::wstring& caption) {
    std::cerr << "corvane: " << (caption.empty() ? "" : ToUtf8(caption) + ": ") << ToUtf8(text)
              << std::endl;
    boxes_.ShowMessageBox(text, caption);
}

ProgramQt::ProgramQt(Options options)
    : facts_(options.facts ? std::move(options.facts) : MakePlatformSystemFacts()),
      port_(std::move(options.port)),
      fileStore_(MakePlatformFileStore()),
      iniStore_(MakePlatformIniStore()),
      settingsFolder_(options.settingsFolder),
      boxes_(options.messageBoxes ? *options.messageBoxes : mainHost_),
      shellHost_(*mainHost_.window(), boxes_,
                 ShellHostQt::Options{
                     std::wstring(TextTableFor(facts_->DefaultLanguageId()).textExit),
                     std::move(options.endProcess), std::move(options.windowManagerRuns),
                     options.trayAvailable, options.instanceName, std::move(options.watchDevices)}),
      program_(ProgramParts{shellHost_, mainHost_, boxes_, *port_, *facts_, *fileStore_, *iniStore_,
                            settingsFolder_, options.skinFolder}),
      hidden_(options.hidden),
      trayAvailable_(options.trayAvailable ? std::move(options.trayAvailable)
                                           : TrayIconQt::TrayAvailable) {
    if (options.prefetch != nullptr) {
        mainHost_.UsePrefetch(*options.prefetch);
    }
}

Initialisation ProgramQt::Start() {
    Shell& shell = program_.shell();
    mainHost_.Attach(program_.window());
    // A close request (the window manager's) only hides, as on Windows.
    mainHost_.SetCloseRequest([&shell] { shell.OnClose(); });
    mainHost_.SetHideRequest([this] { shellHost_.Hide(); });
    shellHost_.SetRequests({
        .show = [&shell] { shell.ShowWindow(); },
        .trayClick = [&shell] { shell.OnTrayClick(); },
        .trayMenu = [&shell] { shell.OnTrayMenuRequest(); },
        .exit = [&shell] { shell.EndProgram(); },
        .plug =
            [&shell](MousePlug plug) {
                plug == MousePlug::Arrived ? shell.OnMouseArrived() : shell.OnMouseRemoved();
            },
    });

    // A later start only shows the running one: it makes no folder, writes
    // no file and shows no box.
    if (shellHost_.SingleInstanceMutexExisted()) {
        return Initialisation::SecondInstance;
    }
    // A folder that cannot be made shows as a config.bin that cannot be
    // created, with the system's error.
    std::uint32_t ignored = 0;
    MakeFolder(settingsFolder_, ignored);
    ShowSaveResult(program_.messages(), program_.files().CreateMissingConfig(FactoryConfigFile()));

    const Initialisation initialised = shell.Initialise();
    if (initialised == Initialisation::SecondInstance) {
        return initialised;
    }
    startWait_ = std::make_unique<StartWaitQt>(hidden_, trayAvailable_, [&shell](StartStep step) {
        if (step == StartStep::ShowWindow) {
            shell.ShowWindow();
        }
    });
    startWait_->Begin();
    return initialised;
}

}  // namespace corvane
