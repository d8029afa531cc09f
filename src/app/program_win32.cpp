#include "app/program_win32.h"

#include "core/module_path.h"

namespace corvane {

ProgramWin32::ProgramWin32(Options options)
    : facts_(options.facts ? std::move(options.facts) : MakePlatformSystemFacts()),
      port_(std::move(options.port)),
      fileStore_(MakePlatformFileStore()),
      iniStore_(MakePlatformIniStore()),
      shellHost_(std::move(options.endProcess)),
      program_(ProgramParts{
          shellHost_, mainHost_, options.messageBoxes ? *options.messageBoxes : mainHost_, *port_,
          *facts_, *fileStore_, *iniStore_, ExecutableFolder(facts_->ExecutablePath()),
          SkinFolderBesideExecutable(facts_->ExecutablePath())}),
      window_(program_, shellHost_, mainHost_) {}

int RunProgram(std::unique_ptr<HidPort> port) {
    if (!RegisterMainWindowClass()) {
        return 0;
    }
    ProgramWin32::Options options;
    options.port = std::move(port);
    ProgramWin32 program(std::move(options));
    if (program.Create() != nullptr) {
        program.Run();
    }
    return 0;
}

}  // namespace corvane
