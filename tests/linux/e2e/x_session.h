// What the Linux end-to-end tests drive the running program with: a private
// X display (Xvfb), processes started with an environment of the test's,
// real X input through xdotool, windows found by class and size, their
// pixels read from the X server, and bounded polls for every wait.
#pragma once

#include <sys/types.h>

#include <QImage>

#include <chrono>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace corvane::e2e {

// Polls `condition` every few milliseconds until it holds or `timeoutMs`
// have passed; true when it held.
bool WaitUntil(const std::function<bool()>& condition, int timeoutMs);

// The process environment with `changes` applied: a value replaces the
// variable, an empty optional removes it.
using EnvironmentChanges = std::map<std::string, std::optional<std::string>>;
std::vector<std::string> EnvironmentWith(const EnvironmentChanges& changes);

class Process {
  public:
    // Starts `argv` with `environment`; standard output and error go to the
    // files named (or /dev/null when empty).
    Process(const std::vector<std::string>& argv, const std::vector<std::string>& environment,
            const std::filesystem::path& out = {}, const std::filesystem::path& err = {});
    // Kills the process when it still runs.
    ~Process();
    Process(const Process&) = delete;
    Process& operator=(const Process&) = delete;

    bool started() const { return pid_ > 0; }
    pid_t pid() const { return pid_; }
    bool Running();
    // The exit code (128 + the signal when it was killed), once it ended
    // within `timeoutMs`.
    std::optional<int> WaitForExit(int timeoutMs);
    void Kill();
    // Asks the process to end (SIGTERM), so that it can clean up; kills it
    // when it has not ended within the time.
    void Terminate(int timeoutMs);

  private:
    pid_t pid_ = -1;
    std::optional<int> exitCode_;
};

// Runs `argv` to its end with `environment`: its exit code and output.
struct CommandResult {
    int exitCode = -1;
    std::string out;
};
CommandResult RunCommand(const std::vector<std::string>& argv,
                         const std::vector<std::string>& environment);

// A private Xvfb display, the first free one from `firstDisplay`; ended
// with SIGTERM, so that it removes its lock file and socket.
class XServer {
  public:
    explicit XServer(int firstDisplay);
    ~XServer();
    XServer(const XServer&) = delete;
    XServer& operator=(const XServer&) = delete;
    bool running() const { return server_ != nullptr; }
    const std::string& display() const { return display_; }

  private:
    std::unique_ptr<Process> server_;
    std::string display_;
};

// The X session a benchmark runs Qt in, in its own process: the display it
// was given, else a private Xvfb from $CORVANE_BENCH_FIRST_DISPLAY or
// `firstDisplay`; the xcb platform, no session bus and a runtime folder of
// its own, removed at the end.
class BenchSession {
  public:
    explicit BenchSession(int firstDisplay);
    ~BenchSession();
    BenchSession(const BenchSession&) = delete;
    BenchSession& operator=(const BenchSession&) = delete;
    // False (and said on standard error) when no display could be started.
    bool ready() const { return ready_; }

  private:
    std::unique_ptr<XServer> server_;
    std::string runtime_;
    bool ready_ = true;
};

using WindowId = unsigned long;

struct Geometry {
    int x = 0, y = 0, width = 0, height = 0;
};

// The display's windows, through xdotool and the X server, in the
// environment given (DISPLAY among it).
class Desktop {
  public:
    explicit Desktop(std::vector<std::string> environment) : environment_(std::move(environment)) {}

    // The viewable top-level windows of the class (WM_CLASS), in stacking
    // order.
    std::vector<WindowId> WindowsOf(const std::string& windowClass) const;
    std::optional<Geometry> GeometryOf(WindowId window) const;
    std::string NameOf(WindowId window) const;
    // The first viewable window of the class with this size, waited for.
    std::optional<WindowId> WaitForWindow(const std::string& windowClass, int width, int height,
                                          int timeoutMs) const;

    // Real pointer and key input: moves to (x, y) of the window, clicks.
    bool MoveTo(WindowId window, int x, int y) const;
    bool Click(WindowId window, int x, int y) const;
    bool Press(WindowId window, int x, int y) const;
    bool MoveToScreen(int x, int y) const;
    bool Release() const;
    // Gives the window the keyboard (a click into it first where needed,
    // since no window manager activates windows), then types the keys.
    bool Focus(WindowId window) const;
    bool Keys(const std::vector<std::string>& keys) const;

    // The window's pixels as the X server holds them (keep other windows
    // off it: what they cover reads as black).
    QImage Capture(WindowId window) const;

  private:
    bool Xdotool(std::vector<std::string> arguments) const;
    std::string XdotoolOutput(std::vector<std::string> arguments) const;

    std::vector<std::string> environment_;
};

}  // namespace corvane::e2e
