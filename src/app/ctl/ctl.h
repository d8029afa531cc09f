// corvanectl: the mouse and its settings from the command line, on the
// libraries below the window (meaning, device, simulator, settings, core).
// RunCorvaneCtl parses the arguments (without the program name, UTF-8) and
// runs one command; main() only builds the context. Each command takes the
// parsed options and returns the exit code, or throws CommandFailure.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <ostream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "core/system_facts.h"
#include "device/hid_port.h"
#include "device/simulator/simulated_mouse_settings.h"
#include "meaning/choice_lists.h"
#include "settings/file_store.h"
#include "settings/ini_store.h"

namespace corvane::ctl {

inline constexpr char kProgramName[] = "corvanectl";

// How a command ends.
inline constexpr int kExitDone = 0;
// The device or the file system failed: mouse not found, a transfer failed,
// a file cannot be read or written.
inline constexpr int kExitFailed = 1;
// Usage or bad input: an unknown name, a value out of range, a damaged file.
inline constexpr int kExitBadInput = 2;

// A failure that ends a command early with a message that says what went
// wrong and what to do; RunCorvaneCtl prints it and returns its code.
class CommandFailure : public std::runtime_error {
  public:
    CommandFailure(int exitCode, const std::string& message)
        : std::runtime_error(message), exitCode_(exitCode) {}
    int exitCode() const { return exitCode_; }

  private:
    int exitCode_;
};

inline CommandFailure BadInput(const std::string& message) {
    return CommandFailure(kExitBadInput, message);
}

inline CommandFailure Failed(const std::string& message) {
    return CommandFailure(kExitFailed, message);
}

// What a command runs against: its output streams and the seams of the
// platform (files, INI files, system facts, the HID port), so that tests run
// the commands in-process with fakes.
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
    // Whether the window runs for this user (it then holds the settings and
    // the mouse's memory, and its next Save overwrites both); never when
    // empty.
    std::function<bool()> windowRuns;
};

int RunCorvaneCtl(const std::vector<std::string>& args, CtlContext& context);

// The options every command takes.
struct CommonOptions {
    std::string dir;  // empty: the default folder
    bool simulate = false;
    std::string memoryFile;  // --simulate=FILE
    std::string traceFile;
    bool json = false;
    int sensor = 0;      // sensor type for DPI texts and codes when no mouse is read
    bool force = false;  // write even while the window runs
};

int RunList(CtlContext& context, const CommonOptions& options);
int RunInfo(CtlContext& context, const CommonOptions& options);
int RunBackup(CtlContext& context, const CommonOptions& options, const std::string& file);
int RunRestore(CtlContext& context, const CommonOptions& options, const std::string& file);

int RunShow(CtlContext& context, const CommonOptions& options);
int RunExport(CtlContext& context, const CommonOptions& options,
              const std::optional<std::string>& file);
int RunImport(CtlContext& context, const CommonOptions& options, const std::string& file);

// One `set`: what to change, as typed. The parser has checked each value
// that needs neither the settings nor the mouse (the checks below).
struct SetRequest {
    enum class What { Rate, Dpi, Button, Lighting };
    What what = What::Rate;
    std::string rate;                     // rate HZ
    std::string stage, dpi;               // dpi STAGE VALUE
    std::string layer, button, function;  // button LAYER N FUNCTION [ARGUMENT]
    std::optional<std::string> argument;
    std::optional<std::string> times, make, breakTime;  // fire-key --times --make --break
    std::string mode;                                   // lighting MODE [PARAMETER]
    std::optional<std::string> parameter;
    bool apply = false;
};

int RunSet(CtlContext& context, const CommonOptions& options, const SetRequest& request);

// The checks of single `set` values, each the value it reads or BadInput
// saying what is wrong with it: the parser's validators run them, and the
// edit reads the value with them.
//
// A decimal number from `first` to `last`; `what` names it in the message.
int NumberOf(std::string_view text, int first, int last, const std::string& what);
std::uint8_t ReportRateOf(const std::string& hz);
int DpiStageOf(const std::string& stage);  // 0-2
int LayerOf(const std::string& name);
int ButtonOf(const std::string& number);  // 0-4, numbered 1-5 as the window shows them
ButtonFunction FunctionOf(const std::string& name);
std::uint8_t LightingModeOf(const std::string& name);
// A fire key number as the dialog's box takes it; `option` names it.
int FireNumberOf(const std::string& text, const FireNumberRule& rule, const std::string& option);

// The values the checks take, for their messages and the options' help.
std::vector<unsigned> ReportRateValues();                  // in Hz
std::vector<unsigned> ModeOneValues();                     // the mode1 parameters
std::vector<unsigned> ModeTwoValues();                     // the mode2 parameters
std::string OrList(const std::vector<unsigned>& values);   // "10, 5 or 1"
std::string BarList(const std::vector<unsigned>& values);  // "10|5|1"

}  // namespace corvane::ctl
