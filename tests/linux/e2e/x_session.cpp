#include "x_session.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <sstream>
#include <thread>

extern char** environ;

namespace corvane::e2e {
namespace {

constexpr int kPollMs = 10;
constexpr int kDisplayCandidates = 100;
constexpr int kServerStartMs = 10000;
constexpr int kCommandMs = 20000;

std::string ReadAll(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string EnvironmentValue(const std::vector<std::string>& environment, const std::string& name) {
    for (const std::string& entry : environment) {
        if (entry.rfind(name + "=", 0) == 0) {
            return entry.substr(name.size() + 1);
        }
    }
    return {};
}

// A display is in use while the process its lock file names runs; a lock
// left by a server that was killed is taken over by the next one, as the X
// server itself does.
bool DisplayInUse(const std::string& lock) {
    std::ifstream in(lock);
    long pid = 0;
    if (!(in >> pid)) {
        return std::filesystem::exists(lock);
    }
    return pid > 0 && (kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM);
}

// The pid the lock file names; 0 when it names none.
long LockHolder(const std::string& lock) {
    std::ifstream in(lock);
    long pid = 0;
    return in >> pid ? pid : 0;
}

// The server takes connections (its socket may be a dead server's still).
bool Answers(const std::string& display) {
    xcb_connection_t* connection = xcb_connect(display.c_str(), nullptr);
    const bool answers = xcb_connection_has_error(connection) == 0;
    xcb_disconnect(connection);
    return answers;
}

}  // namespace

bool WaitUntil(const std::function<bool()>& condition, int timeoutMs) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (!condition()) {
        if (std::chrono::steady_clock::now() >= end) {
            return condition();
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(kPollMs));
    }
    return true;
}

std::vector<std::string> EnvironmentWith(const EnvironmentChanges& changes) {
    std::vector<std::string> environment;
    for (char** e = environ; *e != nullptr; ++e) {
        const std::string entry(*e);
        if (changes.count(entry.substr(0, entry.find('='))) == 0) {
            environment.push_back(entry);
        }
    }
    for (const auto& [name, value] : changes) {
        if (value) {
            environment.push_back(name + "=" + *value);
        }
    }
    return environment;
}

// ------------------------------------------------------------------ Process

Process::Process(const std::vector<std::string>& argv, const std::vector<std::string>& environment,
                 const std::filesystem::path& out, const std::filesystem::path& err) {
    std::vector<char*> arguments;
    for (const std::string& a : argv) {
        arguments.push_back(const_cast<char*>(a.c_str()));
    }
    arguments.push_back(nullptr);
    std::vector<char*> variables;
    for (const std::string& e : environment) {
        variables.push_back(const_cast<char*>(e.c_str()));
    }
    variables.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    const std::string outPath = out.empty() ? "/dev/null" : out.string();
    const std::string errPath = err.empty() ? "/dev/null" : err.string();
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, outPath.c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, errPath.c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (posix_spawnp(&pid_, argv.at(0).c_str(), &actions, nullptr, arguments.data(),
                     variables.data()) != 0) {
        pid_ = -1;
    }
    posix_spawn_file_actions_destroy(&actions);
}

Process::~Process() {
    Kill();
}

bool Process::Running() {
    if (pid_ <= 0 || exitCode_) {
        return false;
    }
    int status = 0;
    const pid_t done = waitpid(pid_, &status, WNOHANG);
    if (done == pid_) {
        exitCode_ = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        return false;
    }
    return done == 0;
}

std::optional<int> Process::WaitForExit(int timeoutMs) {
    WaitUntil([this] { return !Running(); }, timeoutMs);
    return exitCode_;
}

void Process::Kill() {
    if (Running()) {
        kill(pid_, SIGKILL);
        WaitForExit(kCommandMs);
    }
}

void Process::Terminate(int timeoutMs) {
    if (Running()) {
        kill(pid_, SIGTERM);
        if (!WaitForExit(timeoutMs)) {
            Kill();
        }
    }
}

CommandResult RunCommand(const std::vector<std::string>& argv,
                         const std::vector<std::string>& environment) {
    char name[] = "/tmp/corvane-e2e-out-XXXXXX";
    const int fd = mkstemp(name);
    if (fd >= 0) {
        close(fd);
    }
    CommandResult result;
    {
        Process process(argv, environment, name);
        result.exitCode = process.WaitForExit(kCommandMs).value_or(-1);
    }
    result.out = ReadAll(name);
    std::filesystem::remove(name);
    return result;
}

// ------------------------------------------------------------------ XServer

XServer::XServer(int firstDisplay) {
    for (int n = firstDisplay; n < firstDisplay + kDisplayCandidates; ++n) {
        // Appended piece by piece: GCC 12 warns wrongly (-Wrestrict) about
        // an operator+ chain with a number at -O3.
        const std::string number = std::to_string(n);
        std::string lock = "/tmp/.X";
        lock.append(number).append("-lock");
        std::string display = ":";
        display.append(number);
        if (DisplayInUse(lock)) {
            continue;
        }
        auto server = std::make_unique<Process>(
            std::vector<std::string>{"Xvfb", display, "-screen", "0", "1280x1024x24", "-nolisten",
                                     "tcp", "-noreset"},
            EnvironmentWith({}));
        // Another run may take the same number at the same moment: one of
        // the servers then ends at once and its run tries the next number. Without
        // -noreset the server starts anew whenever its last client leaves,
        // and a program started in that moment finds no display.
        // The display answering is not enough: the server that answers may
        // be the other run's, while this one is still on its way to ending.
        const auto ours = [&] {
            return LockHolder(lock) == static_cast<long>(server->pid()) && Answers(display);
        };
        if (WaitUntil([&] { return ours() || !server->Running(); }, kServerStartMs) &&
            server->Running() && ours()) {
            server_ = std::move(server);
            display_ = display;
            return;
        }
    }
}

XServer::~XServer() {
    if (server_) {
        server_->Terminate(kServerStartMs);
    }
}

BenchSession::BenchSession(int firstDisplay) {
    if (std::getenv("DISPLAY") == nullptr) {
        const char* first = std::getenv("CORVANE_BENCH_FIRST_DISPLAY");
        server_ = std::make_unique<XServer>(first != nullptr ? std::atoi(first) : firstDisplay);
        if (!server_->running()) {
            std::fprintf(stderr, "no Xvfb display could be started\n");
            ready_ = false;
            return;
        }
        setenv("DISPLAY", server_->display().c_str(), 1);
    }
    setenv("QT_QPA_PLATFORM", "xcb", 1);
    setenv("DBUS_SESSION_BUS_ADDRESS", "disabled:", 1);
    char runtime[] = "/tmp/corvane-bench-XXXXXX";  // made with mode 0700
    if (mkdtemp(runtime) != nullptr) {
        runtime_ = runtime;
        setenv("XDG_RUNTIME_DIR", runtime, 1);
    }
}

BenchSession::~BenchSession() {
    if (!runtime_.empty()) {
        std::error_code ignored;
        std::filesystem::remove_all(runtime_, ignored);
    }
}

// ------------------------------------------------------------------ Desktop

bool Desktop::Xdotool(std::vector<std::string> arguments) const {
    arguments.insert(arguments.begin(), "xdotool");
    return RunCommand(arguments, environment_).exitCode == 0;
}

std::string Desktop::XdotoolOutput(std::vector<std::string> arguments) const {
    arguments.insert(arguments.begin(), "xdotool");
    return RunCommand(arguments, environment_).out;
}

std::vector<WindowId> Desktop::WindowsOf(const std::string& windowClass) const {
    std::istringstream ids(XdotoolOutput({"search", "--onlyvisible", "--class", windowClass}));
    std::vector<WindowId> windows;
    for (WindowId id = 0; ids >> id;) {
        windows.push_back(id);
    }
    return windows;
}

std::optional<Geometry> Desktop::GeometryOf(WindowId window) const {
    std::istringstream lines(
        XdotoolOutput({"getwindowgeometry", "--shell", std::to_string(window)}));
    Geometry geometry;
    int found = 0;
    for (std::string line; std::getline(lines, line);) {
        const std::size_t equals = line.find('=');
        if (equals == std::string::npos) {
            continue;
        }
        const std::string key = line.substr(0, equals);
        const int value = std::atoi(line.c_str() + equals + 1);
        if (key == "X") {
            geometry.x = value, ++found;
        } else if (key == "Y") {
            geometry.y = value, ++found;
        } else if (key == "WIDTH") {
            geometry.width = value, ++found;
        } else if (key == "HEIGHT") {
            geometry.height = value, ++found;
        }
    }
    return found == 4 ? std::optional<Geometry>(geometry) : std::nullopt;
}

std::string Desktop::NameOf(WindowId window) const {
    std::string name = XdotoolOutput({"getwindowname", std::to_string(window)});
    while (!name.empty() && name.back() == '\n') {
        name.pop_back();
    }
    return name;
}

std::optional<WindowId> Desktop::WaitForWindow(const std::string& windowClass, int width,
                                               int height, int timeoutMs) const {
    std::optional<WindowId> found;
    WaitUntil(
        [&] {
            for (WindowId window : WindowsOf(windowClass)) {
                const std::optional<Geometry> geometry = GeometryOf(window);
                if (geometry && geometry->width == width && geometry->height == height) {
                    found = window;
                    return true;
                }
            }
            return false;
        },
        timeoutMs);
    return found;
}

bool Desktop::MoveTo(WindowId window, int x, int y) const {
    return Xdotool(
        {"mousemove", "--window", std::to_string(window), std::to_string(x), std::to_string(y)});
}

// One xdotool run: the press follows the move at once, before a rest of the
// pointer could be noticed.
bool Desktop::Click(WindowId window, int x, int y) const {
    return Xdotool({"mousemove", "--window", std::to_string(window), std::to_string(x),
                    std::to_string(y), "click", "1"});
}

bool Desktop::Press(WindowId window, int x, int y) const {
    return MoveTo(window, x, y) && Xdotool({"mousedown", "1"});
}

bool Desktop::MoveToScreen(int x, int y) const {
    return Xdotool({"mousemove", std::to_string(x), std::to_string(y)});
}

bool Desktop::Release() const {
    return Xdotool({"mouseup", "1"});
}

bool Desktop::Focus(WindowId window) const {
    return Xdotool({"windowfocus", "--sync", std::to_string(window)});
}

bool Desktop::Keys(const std::vector<std::string>& keys) const {
    std::vector<std::string> arguments = {"key", "--clearmodifiers"};
    arguments.insert(arguments.end(), keys.begin(), keys.end());
    return Xdotool(arguments);
}

QImage Desktop::Capture(WindowId window) const {
    const std::string display = EnvironmentValue(environment_, "DISPLAY");
    xcb_connection_t* connection = xcb_connect(display.c_str(), nullptr);
    QImage image;
    if (xcb_connection_has_error(connection) == 0) {
        const auto id = static_cast<xcb_window_t>(window);
        xcb_get_geometry_reply_t* geometry =
            xcb_get_geometry_reply(connection, xcb_get_geometry(connection, id), nullptr);
        if (geometry != nullptr && geometry->depth == 24) {
            xcb_get_image_reply_t* reply =
                xcb_get_image_reply(connection,
                                    xcb_get_image(connection, XCB_IMAGE_FORMAT_Z_PIXMAP, id, 0, 0,
                                                  geometry->width, geometry->height, ~0u),
                                    nullptr);
            if (reply != nullptr) {
                const int stride = xcb_get_image_data_length(reply) / geometry->height;
                image = QImage(xcb_get_image_data(reply), geometry->width, geometry->height, stride,
                               QImage::Format_RGB32)
                            .copy();
                std::free(reply);
            }
        }
        std::free(geometry);
    }
    xcb_disconnect(connection);
    return image;
}

}  // namespace corvane::e2e
