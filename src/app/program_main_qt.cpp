// corvane: the configuration window on Linux. Its options are read before
// Qt starts, so that --help and --version need no display. It runs on X11
// (also under XWayland) unless QT_QPA_PLATFORM names another platform: the
// dialogs' place at the window's corner and the pointer positions the lists
// follow are not available under native Wayland.
#include <CLI/CLI.hpp>

#include <QApplication>
#include <QByteArray>

#include <filesystem>
#include <iostream>
#include <memory>
#include <string>
#include <system_error>

#include "app/program_folders.h"
#include "app/program_qt.h"
#include "core/system_facts.h"
#include "core/text_encoding.h"
#include "device/hid_port_linux.h"
#include "device/simulator/simulated_mouse_settings.h"
#include "settings/user_settings_folder.h"

namespace {

using namespace corvane;

constexpr int kUsageError = 2;

struct Arguments {
    std::string dir;
    bool simulate = false;
    std::string memoryFile;
};

bool IsFolder(const std::wstring& path) {
    std::error_code error;
    return std::filesystem::is_directory(ToUtf8(path), error);
}

// --dir, else the user's settings folder, else (no usable home) the current
// folder; with a trailing slash, as the simulated mouse's files are looked up.
std::wstring SettingsFolderOf(const Arguments& arguments) {
    std::wstring folder =
        arguments.dir.empty() ? UserSettingsFolder(ProcessEnvironment) : FromUtf8(arguments.dir);
    if (folder.empty()) {
        std::error_code error;
        folder = FromUtf8(std::filesystem::current_path(error).string());
    }
    if (folder.back() != L'/') {
        folder += L'/';
    }
    return folder;
}

// The simulated mouse reads simulated-mouse.ini in the settings folder and
// the CORVANE_SIM_* variables, as corvanectl's does; --simulate=FILE keeps
// its memory in FILE.
std::unique_ptr<HidPort> PortOf(const Arguments& arguments, const std::wstring& settingsFolder) {
    if (!arguments.simulate) {
        return MakePlatformHidPort();
    }
    SimulatedMouseSettings settings = SimulatedMouseSettingsFor(settingsFolder, ProcessEnvironment);
    if (!arguments.memoryFile.empty()) {
        settings.memoryFile = FromUtf8(arguments.memoryFile);
    }
    return std::make_unique<SimulatedMouse>(OptionsOf(settings));
}

}  // namespace

int main(int argc, char** argv) {
    CLI::App cli("corvane: the configuration window of the gaming mouse 04D9:A09E", "corvane");
    Arguments arguments;
    bool version = false;
    cli.add_option("--dir", arguments.dir,
                   "Folder of config.bin and str.ini (default: $XDG_CONFIG_HOME/corvane or "
                   "~/.config/corvane, made when missing)");
    cli.add_flag("--simulate{}", arguments.memoryFile,
                 "Use the simulated mouse instead of the device; --simulate=MEMORY_FILE keeps "
                 "its 322-byte memory in that file");
    cli.add_flag("--version", version, "Print the version and end");
    try {
        cli.parse(argc, argv);
    } catch (const CLI::ParseError& error) {
        // --help ends with 0, a usage error with 2 as corvanectl's do.
        const int printed = cli.exit(error);
        return printed == static_cast<int>(CLI::ExitCodes::Success) ? 0 : kUsageError;
    }
    if (version) {
        std::cout << "corvane " << CORVANE_VERSION << '\n';
        return 0;
    }
    arguments.simulate = cli.get_option("--simulate")->count() > 0;

    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("xcb"));
    }
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("corvane"));

    const std::wstring settingsFolder = SettingsFolderOf(arguments);
    ProgramQt::Options options;
    options.port = PortOf(arguments, settingsFolder);
    options.facts = MakePlatformSystemFacts();
    options.settingsFolder = settingsFolder;
    options.skinFolder = InstalledSkinFolder(options.facts->ExecutablePath(), IsFolder);
    ProgramQt program(std::move(options));
    program.Start();
    return QApplication::exec();
}
