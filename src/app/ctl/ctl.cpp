#include "app/ctl/ctl.h"

#include <CLI/CLI.hpp>
#include <functional>

namespace corvane::ctl {
namespace {

constexpr char kDescription[] =
    "corvanectl: the gaming mouse 04D9:A09E and its settings (config.bin, str.ini) from the "
    "command line.\nExit codes: 0 done; 1 the device or the file system failed; 2 usage or bad "
    "input.";

constexpr char kButtonHelp[] =
    "Give button N (1-5, as the window numbers them) of layer LAYER (normal or shift) a "
    "FUNCTION: left-click, right-click, mid-click, forward, backward, dpi-switch, key-off, "
    "shift (normal layer only; the shift layer follows), windows NAME, multimedia NAME, "
    "hot-key NAME, fire-key KEY --times T [--make M --break B], single-key KEY, snipe DPI.";

// A value checked as it is parsed, refused with the words `set` always used:
// the check throws BadInput, which ends the run as every bad input does
// (its message, exit 2) rather than as a usage error.
template <class Check>
CLI::Validator Checked(Check check) {
    return CLI::Validator(
        [check](std::string& value) {
            check(value);
            return std::string();
        },
        "");
}

CLI::Validator FireNumber(const FireNumberRule& rule, const std::string& option) {
    return Checked([&rule, option](const std::string& text) { FireNumberOf(text, rule, option); });
}

void AddCommonOptions(CLI::App& app, CommonOptions& o) {
    app.add_option("--dir", o.dir,
                   "Folder of config.bin and str.ini (default: beside the program on Windows, "
                   "$XDG_CONFIG_HOME/corvane or ~/.config/corvane on Linux)");
    app.add_flag("--simulate{}", o.memoryFile,
                 "Use the simulated mouse instead of the device; --simulate=MEMORY_FILE keeps "
                 "its 322-byte memory in that file");
    app.add_option("--trace", o.traceFile,
                   "Write every feature transfer, unscrambled and decoded, to FILE");
    app.add_flag("--json", o.json, "Machine-readable output");
    app.add_flag("--force", o.force,
                 "Write config.bin, str.ini or the mouse even while the window runs (its next "
                 "Save overwrites the change)");
    app.add_option("--sensor", o.sensor,
                   "Sensor type for DPI texts and codes when no mouse is read (default 0)")
        ->check(CLI::Range(0, 3));
}

struct Parsed {
    CommonOptions options;
    std::string file;
    std::optional<std::string> exportFile;
    SetRequest set;
    std::function<int(CtlContext&)> run;
    // The command writes config.bin, str.ini or the mouse.
    bool writes = false;
};

CLI::App* Command(CLI::App& app, const char* name, const std::string& help) {
    CLI::App* command = app.add_subcommand(name, help);
    command->fallthrough();
    return command;
}

// "5-255", as the fire key dialog's note gives the range.
std::string RangeText(const FireNumberRule& rule) {
    return std::to_string(rule.minimum) + "-" + std::to_string(rule.maximum);
}

void AddDeviceCommands(CLI::App& app, Parsed& p) {
    Command(app, "list",
            "Every HID interface seen, which two are the mouse's command and data channels, "
            "and why an interface could not be opened")
        ->callback([&p] { p.run = [&p](CtlContext& c) { return RunList(c, p.options); }; });
    Command(app, "info", "A full read of the mouse, decoded")->callback([&p] {
        p.run = [&p](CtlContext& c) { return RunInfo(c, p.options); };
    });
    CLI::App* backup = Command(app, "backup", "Save the mouse's 322-byte memory in FILE");
    backup->add_option("FILE", p.file, "Backup file to write")->required();
    backup->callback(
        [&p] { p.run = [&p](CtlContext& c) { return RunBackup(c, p.options, p.file); }; });
    CLI::App* restore =
        Command(app, "restore", "Write a backup FILE to the mouse and read it back to check it");
    restore->add_option("FILE", p.file, "Backup file of 322 bytes")->required();
    restore->callback([&p] {
        p.writes = true;
        p.run = [&p](CtlContext& c) { return RunRestore(c, p.options, p.file); };
    });
}

void AddFileCommands(CLI::App& app, Parsed& p) {
    Command(app, "show", "config.bin and str.ini, readable (--json: as export writes them)")
        ->callback([&p] { p.run = [&p](CtlContext& c) { return RunShow(c, p.options); }; });
    CLI::App* exportCommand =
        Command(app, "export", "config.bin and str.ini as JSON, to FILE or standard output");
    exportCommand->add_option("FILE", p.exportFile, "JSON file to write");
    exportCommand->callback(
        [&p] { p.run = [&p](CtlContext& c) { return RunExport(c, p.options, p.exportFile); }; });
    CLI::App* importCommand = Command(
        app, "import", "Write config.bin and str.ini from an exported JSON FILE, checked first");
    importCommand->add_option("FILE", p.file, "JSON file to read")->required();
    importCommand->callback([&p] {
        p.writes = true;
        p.run = [&p](CtlContext& c) { return RunImport(c, p.options, p.file); };
    });
}

void AddSetCommand(CLI::App& app, Parsed& p) {
    CLI::App* set = Command(app, "set",
                            "Change one setting in config.bin and str.ini as the window does; "
                            "--apply then saves it to the mouse as the window's Save does");
    set->add_flag("--apply", p.set.apply, "Also write the settings to the mouse");
    set->require_subcommand(1);
    SetRequest& s = p.set;

    CLI::App* rate = Command(*set, "rate", "Report rate: " + OrList(ReportRateValues()) + " (Hz)");
    rate->add_option("HZ", s.rate, "Report rate in Hz")->required()->check(Checked(ReportRateOf));
    rate->callback([&s] { s.what = SetRequest::What::Rate; });

    CLI::App* dpi = Command(*set, "dpi", "DPI value of a stage (1-3), from the sensor's list");
    dpi->add_option("STAGE", s.stage, "DPI stage 1, 2 or 3")
        ->required()
        ->check(Checked(DpiStageOf));
    // Which values exist depends on the sensor: checked when it is known.
    dpi->add_option("VALUE", s.dpi, "DPI value as the DPI page lists it")->required();
    dpi->callback([&s] { s.what = SetRequest::What::Dpi; });

    CLI::App* button = Command(*set, "button", kButtonHelp);
    button->add_option("LAYER", s.layer, "normal or shift")->required()->check(Checked(LayerOf));
    button->add_option("N", s.button, "Button 1 to 5")->required()->check(Checked(ButtonOf));
    button->add_option("FUNCTION", s.function, "Function name")
        ->required()
        ->check(Checked(FunctionOf));
    // What the argument names depends on the function: checked with it.
    button->add_option("ARGUMENT", s.argument, "Key, name or DPI value the function needs");
    button
        ->add_option("--times", s.times,
                     "fire-key: repeat count " + RangeText(kFireTimesRule) + " (0: until released)")
        ->check(FireNumber(kFireTimesRule, "--times"));
    button
        ->add_option("--make", s.make,
                     "fire-key: make (press) time " + RangeText(kFireMakeRule) + " (default " +
                         std::to_string(kFireMakeRule.fallback) + ")")
        ->check(FireNumber(kFireMakeRule, "--make"));
    button
        ->add_option("--break", s.breakTime,
                     "fire-key: break (release) time " + RangeText(kFireBreakRule) + " (default " +
                         std::to_string(kFireBreakRule.fallback) + ")")
        ->check(FireNumber(kFireBreakRule, "--break"));
    button->callback([&s] { s.what = SetRequest::What::Button; });

    CLI::App* lighting = Command(*set, "lighting",
                                 "Lighting: mode0 (off), mode1 " + BarList(ModeOneValues()) +
                                     ", mode2 [" + BarList(ModeTwoValues()) + "]");
    lighting->add_option("MODE", s.mode, "mode0, mode1 or mode2")
        ->required()
        ->check(Checked(LightingModeOf));
    lighting->add_option("PARAMETER", s.parameter, "Parameter of the mode");
    lighting->callback([&s] { s.what = SetRequest::What::Lighting; });

    set->callback([&p] {
        p.writes = true;
        p.run = [&p](CtlContext& c) { return RunSet(c, p.options, p.set); };
    });
}

// While the window runs it holds the settings and the mouse's memory, and
// its next Save writes both: a change made beside it would be undone in
// silence, and two programs' transfers to the mouse would interleave. A
// writing command is refused unless forced; the others go on with a note.
// Nothing when the window does not run; otherwise an exit code to end with.
std::optional<int> BesideTheWindow(CtlContext& context, const Parsed& parsed) {
    if (!context.windowRuns || !context.windowRuns()) {
        return std::nullopt;
    }
    if (!parsed.writes) {
        context.err << kProgramName
                    << ": note: the Corvane window is running; it holds these settings, and "
                       "what it shows may differ from them until its next Save\n";
        return std::nullopt;
    }
    if (parsed.options.force) {
        context.err << kProgramName
                    << ": note: the Corvane window is running; its next Save will overwrite "
                       "this change\n";
        return std::nullopt;
    }
    context.err << kProgramName
                << ": the Corvane window is running: it holds these settings and the mouse's "
                   "memory, and its next Save would overwrite this change. End it from its tray "
                   "menu (\"Exit\") or with the window's Close button, or make the change in the "
                   "window; --force makes it anyway\n";
    return kExitFailed;
}

int Usage(CtlContext& context, const std::string& problem) {
    context.err << kProgramName << ": " << problem << "\nRun `" << kProgramName
                << " --help` (or COMMAND --help) for the commands and their options.\n";
    return kExitBadInput;
}

}  // namespace

int RunCorvaneCtl(const std::vector<std::string>& args, CtlContext& context) {
    CLI::App app(kDescription, kProgramName);
    Parsed parsed;
    bool version = false;
    app.add_flag("--version", version, "Print the version and end");
    AddCommonOptions(app, parsed.options);
    AddDeviceCommands(app, parsed);
    AddFileCommands(app, parsed);
    AddSetCommand(app, parsed);

    std::vector<std::string> reversed(args.rbegin(), args.rend());
    try {
        app.parse(reversed);
    } catch (const CLI::CallForHelp&) {
        // The help of the command that was named, or of the program.
        context.out << app.help();
        return kExitDone;
    } catch (const CLI::ParseError& error) {
        return Usage(context, error.what());
    } catch (const CommandFailure& failure) {
        context.err << kProgramName << ": " << failure.what() << '\n';
        return failure.exitCode();
    }
    if (version) {
        context.out << kProgramName << ' ' << CORVANE_VERSION << '\n';
        return kExitDone;
    }
    if (!parsed.run) {
        return Usage(context, "a command is required");
    }
    parsed.options.simulate = app.get_option("--simulate")->count() > 0;
    if (const std::optional<int> refused = BesideTheWindow(context, parsed)) {
        return *refused;
    }
    try {
        return parsed.run(context);
    } catch (const CommandFailure& failure) {
        context.err << kProgramName << ": " << failure.what() << '\n';
        return failure.exitCode();
    }
}

}  // namespace corvane::ctl
