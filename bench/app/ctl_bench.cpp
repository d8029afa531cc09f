// corvanectl against the simulated mouse at 1 ms per transfer, each figure
// the median wall time of whole runs of the built program beside its bound:
//   info     <= 1.2 x (17 ms of transfers + the run of `corvanectl --version`)
//   restore  <= 1.2 x (52 ms of transfers + 120 ms of pauses + the same)
// Usage: corvane_ctl_bench [RUNS]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "app/ctl/ctl_runner.h"

namespace {

using corvane::testing::CtlRun;
using corvane::testing::RunCtl;

constexpr double kAllowance = 1.2;
constexpr double kInfoTransfersMs = 17;     // a full read
constexpr double kRestoreTransfersMs = 52;  // full read, full write, full read
constexpr double kRestorePausesMs = 120;    // six pauses of 20 ms in the write

struct Timed {
    double medianMs = 0;
    bool allSucceeded = true;
};

Timed Median(int runs, const std::vector<std::string>& args,
             const std::map<std::string, std::string>& environment) {
    std::vector<double> times;
    Timed timed;
    for (int i = 0; i < runs; ++i) {
        const auto start = std::chrono::steady_clock::now();
        const CtlRun run = RunCtl(args, environment);
        const auto end = std::chrono::steady_clock::now();
        timed.allSucceeded = timed.allSucceeded && run.exitCode == 0;
        times.push_back(std::chrono::duration<double, std::milli>(end - start).count());
    }
    std::sort(times.begin(), times.end());
    timed.medianMs = times[times.size() / 2];
    return timed;
}

std::size_t LinesOf(const std::filesystem::path& file) {
    std::ifstream in(file);
    std::size_t lines = 0;
    for (std::string line; std::getline(in, line);) {
        ++lines;
    }
    return lines;
}

bool Report(const char* what, const Timed& timed, double boundMs) {
    const bool within = timed.allSucceeded && timed.medianMs <= boundMs;
    std::printf("%-28s %8.1f ms   bound %8.1f ms   %s\n", what, timed.medianMs, boundMs,
                !timed.allSucceeded ? "FAILED RUNS"
                : within            ? "within"
                                    : "OVER");
    return within;
}

}  // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 21;
    const std::filesystem::path work = std::filesystem::temp_directory_path() / "corvane-ctl-bench";
    std::filesystem::remove_all(work);
    std::filesystem::create_directories(work);
    const std::string memory = "--simulate=" + (work / "mouse.bin").string();
    const std::string backup = (work / "backup.bin").string();
    const std::string dir = work.string();
    std::map<std::string, std::string> slow = {{"CORVANE_SIM_DELAY_MS", "1"}};

    if (RunCtl({"backup", backup, memory, "--dir", dir}).exitCode != 0) {
        std::fprintf(stderr, "corvane_ctl_bench: the backup failed\n");
        return 1;
    }
    // One run of each with a wire log: the transfers the bounds count.
    std::map<std::string, std::string> logged = slow;
    logged["CORVANE_SIM_WIRE_LOG"] = (work / "info.log").string();
    RunCtl({"info", memory, "--dir", dir}, logged);
    logged["CORVANE_SIM_WIRE_LOG"] = (work / "restore.log").string();
    RunCtl({"restore", backup, memory, "--dir", dir}, logged);

    const Timed version = Median(runs, {"--version"}, {});
    const Timed info = Median(runs, {"info", memory, "--dir", dir}, slow);
    const Timed restore = Median(runs, {"restore", backup, memory, "--dir", dir}, slow);

    std::printf("corvanectl against the simulated mouse at 1 ms per transfer, median of %d runs\n",
                runs);
    std::printf("transfers: info %zu, restore %zu\n", LinesOf(work / "info.log"),
                LinesOf(work / "restore.log"));
    std::printf("%-28s %8.1f ms\n", "corvanectl --version", version.medianMs);
    bool within =
        Report("corvanectl info", info, kAllowance * (kInfoTransfersMs + version.medianMs));
    within = Report("corvanectl restore", restore,
                    kAllowance * (kRestoreTransfersMs + kRestorePausesMs + version.medianMs)) &&
             within;
    std::filesystem::remove_all(work);
    return within ? 0 : 1;
}
