// Start-up of the Linux window beside a bare Qt window program, each run
// from its start until its 760 x 630 window is mapped on the X server (a
// private Xvfb when no DISPLAY is set), and each program's resident memory
// once its window shows. corvane runs with the simulated mouse on a
// settings folder its first run made, whose first-run flag is still 0, so
// that every start installs the factory labels again (str.ini rewritten
// once per label, as the Windows program does until the first Save); and
// beside it on one whose flag a Save has set.
// Target: corvane's median within 1.3 times the bare program's.
// Run: build/native-release/bench/corvane_startup_bench [RUNS] [CORVANE]
// (at least 15 runs; CORVANE times another corvane binary, say one built
// from an earlier commit, in place of the one built here)
#include <signal.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "linux/e2e/x_session.h"
#include "settings/settings_files.h"

namespace corvane {
namespace {

using Clock = std::chrono::steady_clock;
using e2e::EnvironmentWith;
using e2e::Process;

constexpr int kLeastRuns = 15;
constexpr double kTarget = 1.3;
constexpr int kMapTimeoutMs = 30000;
constexpr int kSettleMs = 300;

struct Run {
    double startMs = -1;
    long rssKb = -1;
};

long ResidentKb(int pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmRSS:", 0) == 0) {
            return std::atol(line.c_str() + 6);
        }
    }
    return -1;
}

// Waits for the map of a top-level window of the window's size; false when
// none came in time.
bool WaitForMainWindowMap(xcb_connection_t* connection) {
    const auto end = Clock::now() + std::chrono::milliseconds(kMapTimeoutMs);
    while (Clock::now() < end) {
        xcb_generic_event_t* event = xcb_poll_for_event(connection);
        if (event == nullptr) {
            std::this_thread::sleep_for(std::chrono::microseconds(200));
            continue;
        }
        bool found = false;
        if ((event->response_type & 0x7F) == XCB_MAP_NOTIFY) {
            const auto* map = reinterpret_cast<xcb_map_notify_event_t*>(event);
            xcb_get_geometry_reply_t* geometry = xcb_get_geometry_reply(
                connection, xcb_get_geometry(connection, map->window), nullptr);
            found = geometry != nullptr && geometry->width == 760 && geometry->height == 630;
            std::free(geometry);
        }
        std::free(event);
        if (found) {
            return true;
        }
    }
    return false;
}

Run StartOnce(xcb_connection_t* connection, const std::vector<std::string>& argv,
              const std::vector<std::string>& environment) {
    Run run;
    const auto start = Clock::now();
    Process program(argv, environment);
    if (!program.started() || !WaitForMainWindowMap(connection)) {
        return run;
    }
    run.startMs = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    std::this_thread::sleep_for(std::chrono::milliseconds(kSettleMs));
    run.rssKb = ResidentKb(program.pid());
    program.Kill();
    return run;
}

// The settings folder of a first start, made by corvane itself, with the
// first-run flag a Save writes.
bool MarkSaved(const std::filesystem::path& configFolder) {
    std::fstream config(configFolder / "corvane" / "config.bin",
                        std::ios::binary | std::ios::in | std::ios::out);
    config.seekp(0);
    config.put(static_cast<char>(kWrittenByTool));
    return config.good();
}

template <typename Get>
double Median(std::vector<Run> runs, Get get) {
    std::vector<double> values;
    for (const Run& r : runs) {
        values.push_back(get(r));
    }
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

int Main(int runs, const std::string& corvanePath) {
    std::unique_ptr<e2e::XServer> server;
    std::string display = std::getenv("DISPLAY") != nullptr ? std::getenv("DISPLAY") : "";
    if (display.empty()) {
        server = std::make_unique<e2e::XServer>(100);
        if (!server->running()) {
            std::fprintf(stderr, "no Xvfb display could be started\n");
            return 1;
        }
        display = server->display();
    }
    xcb_connection_t* connection = xcb_connect(display.c_str(), nullptr);
    if (xcb_connection_has_error(connection) != 0) {
        std::fprintf(stderr, "cannot connect to %s\n", display.c_str());
        return 1;
    }
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection, screen->root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(connection);

    const std::filesystem::path work = std::filesystem::temp_directory_path() /
                                       ("corvane-startup-bench-" + std::to_string(getpid()));
    std::filesystem::create_directories(work / "runtime");
    std::filesystem::permissions(work / "runtime", std::filesystem::perms::owner_all);
    const auto environmentWith = [&](const std::filesystem::path& configFolder) {
        return EnvironmentWith({
            {"DISPLAY", display},
            {"XDG_CONFIG_HOME", configFolder.string()},
            {"XDG_RUNTIME_DIR", (work / "runtime").string()},
            {"DBUS_SESSION_BUS_ADDRESS", "disabled:"},
            {"QT_QPA_PLATFORM", "xcb"},
            {"LANG", std::nullopt},
            {"LC_ALL", std::nullopt},
            {"LC_MESSAGES", std::nullopt},
        });
    };
    const std::vector<std::string> firstStartEnvironment = environmentWith(work / "config");
    const std::vector<std::string> savedEnvironment = environmentWith(work / "config-saved");
    const std::vector<std::string> corvane = {corvanePath,
                                              "--simulate=" + (work / "mouse.bin").string()};
    const std::vector<std::string> bare = {CORVANE_BARE_WINDOW_PATH};

    // Their first runs make the settings.
    StartOnce(connection, corvane, firstStartEnvironment);
    StartOnce(connection, corvane, savedEnvironment);
    if (!MarkSaved(work / "config-saved")) {
        std::fprintf(stderr, "cannot set the first-run flag in %s\n",
                     (work / "config-saved").c_str());
        return 1;
    }
    StartOnce(connection, bare, firstStartEnvironment);
    std::vector<Run> firstStartRuns, savedRuns, bareRuns;
    for (int i = 0; i < runs; ++i) {  // in turn: the machine's load falls on all alike
        firstStartRuns.push_back(StartOnce(connection, corvane, firstStartEnvironment));
        bareRuns.push_back(StartOnce(connection, bare, firstStartEnvironment));
        savedRuns.push_back(StartOnce(connection, corvane, savedEnvironment));
        if (firstStartRuns.back().startMs < 0 || bareRuns.back().startMs < 0 ||
            savedRuns.back().startMs < 0) {
            std::fprintf(stderr, "a window did not show within %d ms\n", kMapTimeoutMs);
            return 1;
        }
    }
    xcb_disconnect(connection);
    std::filesystem::remove_all(work);

    const auto startMs = [](const Run& r) { return r.startMs; };
    const auto best = [](const std::vector<Run>& r) {
        return std::min_element(r.begin(), r.end(),
                                [](auto& a, auto& b) { return a.startMs < b.startMs; })
            ->startMs;
    };
    const double bareMs = Median(bareRuns, startMs);
    std::printf("Start-up to the window mapped, %d runs each, target x%.1f of the bare program\n",
                runs, kTarget);
    std::printf("  %-44s median %7.1f ms  best %7.1f ms\n", "floor: bare Qt window program", bareMs,
                best(bareRuns));
    const auto print = [&](const char* name, const std::vector<Run>& r) {
        const double ms = Median(r, startMs);
        const double ratio = ms / bareMs;
        std::printf("  %-44s median %7.1f ms  best %7.1f ms  x%.2f (%s)\n", name, ms, best(r),
                    ratio, ratio <= kTarget ? "within the target" : "ABOVE");
    };
    print("corvane --simulate, first-run labels due", firstStartRuns);
    print("corvane --simulate, after a Save", savedRuns);
    std::printf("Resident memory %d ms after the window showed (median)\n", kSettleMs);
    const auto rssMiB = [](const std::vector<Run>& r) {
        return Median(r, [](const Run& run) { return run.rssKb; }) / 1024.0;
    };
    std::printf("  %-44s %7.1f MiB\n", "bare Qt window program", rssMiB(bareRuns));
    std::printf("  %-44s %7.1f MiB\n", "corvane --simulate, first-run labels due",
                rssMiB(firstStartRuns));
    std::printf("  %-44s %7.1f MiB\n", "corvane --simulate, after a Save", rssMiB(savedRuns));
    return 0;
}

}  // namespace
}  // namespace corvane

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::atoi(argv[1]) : corvane::kLeastRuns;
    return corvane::Main(std::max(runs, corvane::kLeastRuns), argc > 2 ? argv[2] : CORVANE_PATH);
}
