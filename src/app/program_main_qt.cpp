// corvane: the configuration window on Linux. Its options are read before
// Qt starts, so that --help and --version need no display. It runs on X11
// (also under XWayland) unless QT_QPA_PLATFORM names another platform: the
// dialogs' place at the window's corner and the pointer positions the lists
// follow are not available under native Wayland. The binary keeps the name
// `corvane`: the desktop entry's StartupWMClass names its window class.
#include <CLI/CLI.hpp>

#include <QApplication>
#include <QByteArray>

#include <filesystem>
#include <functional>
#include <iostream>
#include <memory>
#include <string>
#include <system_error>

#include "app/device_watch_qt.h"
#include "app/program_folders.h"
#include "app/program_qt.h"
#include "app/shell.h"
#include "app/simulated_plug.h"
#include "core/system_facts.h"
#include "core/text_encoding.h"
#include "device/hid_port_linux.h"
#include "device/simulator/simulated_mouse_settings.h"
#include "settings/user_settings_folder.h"
#include "ui/skin/skin_prefetch_qt.h"

namespace {

using namespace corvane;

constexpr int kUsageError = 2;

// The reverse-DNS id that names the desktop entry and the icon.
constexpr char kDesktopId[] = "org.corvane.Corvane";

struct Arguments {
    std::string dir;
    bool simulate = false;
    std::string memoryFile;
    bool hidden = false;
};

bool IsFolder(const std::wstring& path) {
    std::error_code error;
    return std::filesystem::is_directory(ToUtf8(path), error);
}

// --dir, else the folder corvanectl uses too; with a trailing slash, as the
// simulated mouse's files are looked up.
std::wstring SettingsFolderOf(const Arguments& arguments) {
    if (arguments.dir.empty()) {
        return DefaultSettingsFolder(ProcessEnvironment);
    }
    std::wstring folder = FromUtf8(arguments.dir);
    if (folder.back() != L'/') {
        folder += L'/';
    }
    return folder;
}

// The simulated mouse reads simulated-mouse.ini in the settings folder, where
// its plug control is too, and the CORVANE_SIM_* variables; --simulate=FILE
// keeps its memory in FILE.
std::unique_ptr<SimulatedMouse> SimulatedMouseOf(const Arguments& arguments,
                                                 const std::wstring& settingsFolder) {
    SimulatedMouseSettings settings = SimulatedMouseSettingsFor(settingsFolder, ProcessEnvironment);
    if (!arguments.memoryFile.empty()) {
        settings.memoryFile = FromUtf8(arguments.memoryFile);
    }
    return std::make_unique<SimulatedMouse>(OptionsOf(settings));
}

// No device manager knows the simulated mouse: its plug control in the
// settings folder gives its plug events instead. The mouse outlives the
// program's hosts.
std::function<bool(DeviceWatchQt&)> WatchPlugControlOf(SimulatedMouse& mouse,
                                                       const std::wstring& settingsFolder) {
    return [&mouse, settingsFolder](DeviceWatchQt& watch) {
        SimulatedPlug plug(mouse.mousePresent(),
                           [&mouse](bool present) { mouse.SetMousePresent(present); });
        return watch.WatchPlugControl(settingsFolder, std::move(plug)) == PlugControlSetup::Ready;
    };
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
    cli.add_flag("--hidden", arguments.hidden,
                 "Start in the tray (at login: wait up to 10 s for one, then show the window)");
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

    ProgramQt::Options options;
    options.facts = MakePlatformSystemFacts();
    options.skinFolder = InstalledSkinFolder(options.facts->ExecutablePath(), IsFolder);
    options.hidden = arguments.hidden;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("xcb"));
    }
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("corvane"));
    QApplication::setDesktopFileName(QLatin1String(kDesktopId));
    // The program ends by its Close button or its tray menu's Exit only: a
    // box closed while the window hides in the tray is no end.
    QApplication::setQuitOnLastWindowClosed(false);

    // Decoded beside the program's set-up (fonts, tray, the mouse's read).
    // Not before Qt's application object: the decoder makes Qt objects, and
    // Qt takes the thread that makes its first object for the main thread.
    const StartImages start = StartImagesOf(options.skinFolder, options.facts->DefaultLanguageId());
    SkinImagePrefetch prefetch(
        {{start.background, SkinImageUse::Background}, {start.keyPage, SkinImageUse::Drawn}});
    options.prefetch = &prefetch;

    const std::wstring settingsFolder = SettingsFolderOf(arguments);
    if (arguments.simulate) {
        std::unique_ptr<SimulatedMouse> mouse = SimulatedMouseOf(arguments, settingsFolder);
        options.watchDevices = WatchPlugControlOf(*mouse, settingsFolder);
        options.port = std::move(mouse);
    } else {
        options.port = MakePlatformHidPort();
    }
    options.settingsFolder = settingsFolder;
    ProgramQt program(std::move(options));
    if (program.Start() == Initialisation::SecondInstance) {
        return 0;  // the running instance shows itself
    }
    return QApplication::exec();
}
