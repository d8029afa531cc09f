// Start-up of the Linux window into the tray beside a bare Qt program with a
// tray icon: each run from the program's start until its icon is embedded
// in the tray and viewable, on a private Xvfb with a real XEmbed tray
// (trayer). corvane runs as `corvane --hidden --simulate` on a settings
// folder its first run made.
// Target: corvane's median within 1.3 times the bare program's.
// Run: build/native-release/bench/corvane_tray_startup_bench [RUNS] (at least
// 15); the first display tried is CORVANE_BENCH_FIRST_DISPLAY (default 100).
#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "linux/e2e/x_session.h"

namespace corvane {
namespace {

using Clock = std::chrono::steady_clock;
using e2e::EnvironmentWith;
using e2e::Process;

constexpr int kLeastRuns = 15;
constexpr double kTarget = 1.3;
constexpr int kIconTimeoutMs = 30000;
constexpr int kTrayTimeoutMs = 30000;
constexpr int kDefaultFirstDisplay = 100;

xcb_atom_t Atom(xcb_connection_t* connection, const char* name) {
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
        connection,
        xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(std::strlen(name)), name),
        nullptr);
    const xcb_atom_t atom = reply != nullptr ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    std::free(reply);
    return atom;
}

bool Viewable(xcb_connection_t* connection, xcb_window_t window) {
    xcb_get_window_attributes_reply_t* attributes = xcb_get_window_attributes_reply(
        connection, xcb_get_window_attributes(connection, window), nullptr);
    const bool viewable = attributes != nullptr && attributes->map_state == XCB_MAP_STATE_VIEWABLE;
    std::free(attributes);
    return viewable;
}

void Drain(xcb_connection_t* connection) {
    while (xcb_generic_event_t* event = xcb_poll_for_event(connection)) {
        std::free(event);
    }
}

// An icon comes to the tray as a window of the root that the tray takes in
// (a reparent away from the root, which the root's listeners see) and then
// maps, which only the window's own listeners see. Nothing else is
// reparented on a display without a window manager.
bool WaitForIconEmbedded(xcb_connection_t* connection, xcb_window_t root) {
    const auto end = Clock::now() + std::chrono::milliseconds(kIconTimeoutMs);
    xcb_window_t icon = XCB_WINDOW_NONE;
    while (Clock::now() < end) {
        xcb_generic_event_t* event = xcb_poll_for_event(connection);
        if (event == nullptr) {
            std::this_thread::sleep_for(std::chrono::microseconds(200));
            continue;
        }
        const std::uint8_t type = event->response_type & 0x7F;
        bool embedded = false;
        if (type == XCB_REPARENT_NOTIFY) {
            const auto* reparent = reinterpret_cast<xcb_reparent_notify_event_t*>(event);
            if (reparent->parent != root) {
                icon = reparent->window;
                const std::uint32_t mask = XCB_EVENT_MASK_STRUCTURE_NOTIFY;
                xcb_change_window_attributes(connection, icon, XCB_CW_EVENT_MASK, &mask);
                embedded = Viewable(connection, icon);  // mapped before we listened
            }
        } else if (type == XCB_MAP_NOTIFY && icon != XCB_WINDOW_NONE) {
            embedded = reinterpret_cast<xcb_map_notify_event_t*>(event)->window == icon &&
                       Viewable(connection, icon);
        }
        std::free(event);
        if (embedded) {
            return true;
        }
    }
    return false;
}

double StartOnce(xcb_connection_t* connection, xcb_window_t root,
                 const std::vector<std::string>& argv,
                 const std::vector<std::string>& environment) {
    Drain(connection);
    const auto start = Clock::now();
    Process program(argv, environment);
    if (!program.started() || !WaitForIconEmbedded(connection, root)) {
        return -1;
    }
    const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    program.Kill();
    return ms;
}

struct Figures {
    double median = 0;
    double best = 0;
};

Figures FiguresOf(std::vector<double> runs) {
    std::sort(runs.begin(), runs.end());
    return {runs[runs.size() / 2], runs.front()};
}

int Main(int runs) {
    const char* first = std::getenv("CORVANE_BENCH_FIRST_DISPLAY");
    e2e::XServer server(first != nullptr ? std::atoi(first) : kDefaultFirstDisplay);
    if (!server.running()) {
        std::fprintf(stderr, "no Xvfb display could be started\n");
        return 1;
    }
    xcb_connection_t* connection = xcb_connect(server.display().c_str(), nullptr);
    if (xcb_connection_has_error(connection) != 0) {
        std::fprintf(stderr, "cannot connect to %s\n", server.display().c_str());
        return 1;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection, root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(connection);

    const std::filesystem::path work =
        std::filesystem::temp_directory_path() / ("corvane-tray-bench-" + std::to_string(getpid()));
    std::filesystem::create_directories(work / "runtime");
    std::filesystem::permissions(work / "runtime", std::filesystem::perms::owner_all);
    const std::vector<std::string> environment = EnvironmentWith({
        {"DISPLAY", server.display()},
        {"XDG_CONFIG_HOME", (work / "config").string()},
        {"XDG_RUNTIME_DIR", (work / "runtime").string()},
        {"DBUS_SESSION_BUS_ADDRESS", "disabled:"},
        {"QT_QPA_PLATFORM", "xcb"},
        {"LANG", std::nullopt},
        {"LC_ALL", std::nullopt},
        {"LC_MESSAGES", std::nullopt},
    });

    // The tray is up once it owns the screen's tray selection.
    Process tray({"trayer", "--edge", "top", "--align", "right", "--widthtype", "pixel", "--width",
                  "120", "--height", "32", "--SetDockType", "true"},
                 environment, work / "trayer.txt", work / "trayer.txt");
    const xcb_atom_t selection = Atom(connection, "_NET_SYSTEM_TRAY_S0");
    const bool trayUp = e2e::WaitUntil(
        [&] {
            xcb_get_selection_owner_reply_t* owner = xcb_get_selection_owner_reply(
                connection, xcb_get_selection_owner(connection, selection), nullptr);
            const bool owned = owner != nullptr && owner->owner != XCB_WINDOW_NONE;
            std::free(owner);
            return owned;
        },
        kTrayTimeoutMs);
    if (!trayUp) {
        std::fprintf(stderr, "trayer did not come up (scripts/install-deps.sh installs it)\n");
        return 1;
    }

    const std::vector<std::string> corvane = {CORVANE_PATH, "--hidden",
                                              "--simulate=" + (work / "mouse.bin").string()};
    const std::vector<std::string> bare = {CORVANE_BARE_TRAY_PATH};
    StartOnce(connection, root, corvane, environment);  // its first run makes the settings
    StartOnce(connection, root, bare, environment);
    std::vector<double> corvaneRuns, bareRuns;
    for (int i = 0; i < runs; ++i) {  // alternating: the machine's load falls on both alike
        corvaneRuns.push_back(StartOnce(connection, root, corvane, environment));
        bareRuns.push_back(StartOnce(connection, root, bare, environment));
        if (corvaneRuns.back() < 0 || bareRuns.back() < 0) {
            std::fprintf(stderr, "an icon did not come to the tray within %d ms\n", kIconTimeoutMs);
            return 1;
        }
    }
    tray.Terminate(kTrayTimeoutMs);
    xcb_disconnect(connection);
    std::filesystem::remove_all(work);

    const Figures c = FiguresOf(corvaneRuns);
    const Figures b = FiguresOf(bareRuns);
    const double ratio = c.median / b.median;
    std::printf(
        "Start-up to the icon in the tray (trayer), %d runs each, target x%.1f of the "
        "bare program\n",
        runs, kTarget);
    std::printf("  %-36s median %7.1f ms  best %7.1f ms\n", "floor: bare Qt tray icon program",
                b.median, b.best);
    std::printf("  %-36s median %7.1f ms  best %7.1f ms  x%.2f (%s)\n",
                "corvane --hidden --simulate", c.median, c.best, ratio,
                ratio <= kTarget ? "within the target" : "ABOVE");
    return 0;
}

}  // namespace
}  // namespace corvane

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::atoi(argv[1]) : corvane::kLeastRuns;
    return corvane::Main(std::max(runs, corvane::kLeastRuns));
}
