// What a corvanectl command runs against: its output streams and the seams
// of the platform (files, INI files, system facts, the HID port), so that
// tests run the commands in-process with fakes, and the options every
// command takes.
#pragma once

#include <functional>
#include <memory>
#include <ostream>
#include <string>

#include "core/system_facts.h"
#include "device/hid_port.h"
#include "device/simulator/simulated_mouse_settings.h"
#include "settings/file_store.h"
#include "settings/ini_store.h"

namespace corvane::ctl {

struct CtlContext {
    std::ostream& out;
    std::ostream& err;
    FileStore& files;
    IniStore& ini;
    SystemFacts& facts;
    // The platform's HID port; null when this build has none.
    std::function<std::unique_ptr<HidPort>()> makeRealPort;
    // The environment the simulated mouse reads its CORVANE_SIM_* settings from.
    EnvironmentLookup environment;
    // The folder of config.bin and str.ini when --dir is not given.
    std::wstring defaultDir;
};

struct CommonOptions {
    std::string dir;  // empty: the default folder
    bool simulate = false;
    std::string memoryFile;  // --simulate=FILE
    std::string traceFile;
    bool json = false;
    int sensor = 0;  // sensor type for DPI texts and codes when no mouse is read
};

}  // namespace corvane::ctl
