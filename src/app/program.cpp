#include "app/program.h"

namespace corvane {

Program::Program(const ProgramParts& parts)
    : texts_(TextTableFor(parts.facts.DefaultLanguageId())),
      messages_(texts_, parts.messageBoxes, AppTitleOf(parts.facts.ExecutablePath())),
      linkMessages_(messages_, parts.port),
      link_(parts.port, state_, parts.facts, linkMessages_),
      files_(state_, parts.fileStore, parts.iniStore, parts.facts, parts.settingsFolder,
             std::wstring(texts_.settingsSection)),
      shell_(ShellParts{state_, parts.shellHost, parts.windowHost, window_, link_, files_,
                        parts.facts, messages_, texts_, parts.skinFolder}),
      window_(state_, parts.windowHost, messages_, texts_, files_, shell_,
              parts.facts.DefaultLanguageId()) {}

}  // namespace corvane
