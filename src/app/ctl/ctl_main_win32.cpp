// corvanectl on Windows: wide arguments turned into UTF-8, UTF-8 output on
// the console, the settings beside the program as the window keeps them.
#include <windows.h>

#include <iostream>

#include "app/ctl/ctl.h"
#include "app/ctl/device_session.h"
#include "core/system_facts.h"
#include "core/text_encoding.h"
#include "core/window_instance.h"
#include "device/simulator/simulated_mouse_settings.h"

int wmain(int argc, wchar_t** argv) {
    using namespace corvane;
    SetConsoleOutputCP(CP_UTF8);
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i) {
        args.push_back(ToUtf8(argv[i]));
    }
    const auto files = MakePlatformFileStore();
    const auto ini = MakePlatformIniStore();
    const auto facts = MakePlatformSystemFacts();
    ctl::CtlContext context{std::cout,
                            std::cerr,
                            *files,
                            *ini,
                            *facts,
                            [] { return MakePlatformHidPort(); },
                            ProcessEnvironment,
                            ctl::ProgramFolder(*facts),
                            WindowRunsForThisUser};
    return ctl::RunCorvaneCtl(args, context);
}
