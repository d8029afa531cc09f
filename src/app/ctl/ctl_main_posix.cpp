// corvanectl on Linux: the arguments as they come (UTF-8), the mouse through
// hidapi's hidraw back end, the settings in the user's settings folder,
// where the window keeps them (the current folder when there is no home).
#include <filesystem>
#include <iostream>

#include "app/ctl/ctl.h"
#include "app/ctl/settings_folder.h"
#include "core/system_facts.h"
#include "core/window_instance.h"
#include "device/hid_port_linux.h"
#include "device/simulator/simulated_mouse_settings.h"
#include "settings/user_settings_folder.h"

int main(int argc, char** argv) {
    using namespace corvane;
    const std::vector<std::string> args(argv + 1, argv + argc);
    const auto files = MakePlatformFileStore();
    const auto ini = MakePlatformIniStore();
    const auto facts = MakePlatformSystemFacts();
    const std::wstring settingsFolder = DefaultSettingsFolder(ProcessEnvironment);
    ctl::CtlContext context{std::cout,
                            std::cerr,
                            *files,
                            *ini,
                            *facts,
                            [] { return MakePlatformHidPort(); },
                            ProcessEnvironment,
                            settingsFolder,
                            WindowRunsForThisUser};
    return ctl::RunCorvaneCtl(args, context);
}
