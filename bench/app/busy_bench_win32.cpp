// How long the demo's window does not answer while a full write (Save) and a
// full read (the fourth arrival of the mouse's interfaces) run on its one
// thread, with the simulated mouse taking 1 ms and 20 ms per transfer.
// Measured from this process: a thread keeps pinging the window with WM_NULL
// while the operation is triggered and until the mouse's wire log shows all
// its transfers and the window answers again; the longest ping is how long
// the window did not answer. Printed beside the floor (transfers x delay +
// the write's six 20 ms pauses) and the 5 s after which Windows calls a
// window hung.
//   corvane_busy_bench [RUNS]
#include <windows.h>

#include <dbt.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "driver_win32.h"
#include "support/interface_record_win32.h"
#include "ui/main/main_layout.h"

namespace {

namespace fs = std::filesystem;
using namespace corvane::e2e;
using Clock = std::chrono::steady_clock;

constexpr DWORD kStartTimeoutMs = 30000;
constexpr DWORD kPingTimeoutMs = 60000;
constexpr int kWriteTransfers = 18;
constexpr int kReadTransfers = 17;
constexpr double kWritePausesMs = 6 * 20;
constexpr double kHungAfterMs = 5000;  // IsHungAppWindow's threshold
constexpr int kEventsPerRediscovery = 4;

double Ms(Clock::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

bool Answers(HWND window, DWORD timeoutMs) {
    DWORD_PTR result = 0;
    return SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, timeoutMs, &result) != 0;
}

// Pings the window from its own thread until stopped; keeps the longest
// round trip.
class Pinger {
  public:
    explicit Pinger(HWND window)
        : thread_([this, window] {
              while (!stop_) {
                  const auto sent = Clock::now();
                  Answers(window, kPingTimeoutMs);
                  longest_ = std::max(longest_.load(), Ms(Clock::now() - sent));
                  ++pings_;
                  Sleep(1);
              }
          }) {}
    // The longest round trip while it ran.
    double Stop() {
        stop_ = true;
        thread_.join();
        return longest_;
    }
    int pings() const { return pings_; }

  private:
    std::atomic<bool> stop_{false};
    std::atomic<double> longest_{0};
    std::atomic<int> pings_{0};
    std::thread thread_;
};

std::size_t Lines(const fs::path& file) {
    std::ifstream in(file);
    return static_cast<std::size_t>(std::count(std::istreambuf_iterator<char>(in), {}, '\n'));
}

// The longest time the window did not answer while `trigger` started an
// operation of `transfers` transfers and the window handled it; none when
// the operation did not make them all.
template <class Trigger>
std::optional<double> Measure(HWND window, const fs::path& wireLog, std::size_t transfers,
                              Trigger trigger) {
    const std::size_t before = Lines(wireLog);
    Pinger pinger(window);
    // The pings are going before the operation starts.
    WaitUntil("the first pings", kStartTimeoutMs, [&] { return pinger.pings() >= 3; });
    trigger();
    const bool done = WaitUntil("the operation's transfers", kPingTimeoutMs,
                                [&] { return Lines(wireLog) >= before + transfers; }) &&
                      WaitUntilAnswered(window, kPingTimeoutMs);
    const double longest = pinger.Stop();
    if (!done || Lines(wireLog) != before + transfers) {
        return std::nullopt;
    }
    return longest;
}

// Posted as a click arrives. Save does not end the click's handling: the
// press goes on to the window drag, which the posted release ends.
void PostSaveClick(HWND window) {
    const auto& r = corvane::kSaveButton;
    const LPARAM at = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    PostMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageW(window, WM_LBUTTONUP, 0, at);
}

// A device-interface arrival of the mouse, sent (a posted one could not
// carry its record to the other process); returns when it was handled.
void SendArrival(HWND window) {
    std::vector<std::uint8_t> bytes =
        corvane::testing::InterfaceRecord(corvane::testing::kMouseInterfacePath);
    DWORD_PTR result = 0;
    SendMessageTimeoutW(window, WM_DEVICECHANGE, DBT_DEVICEARRIVAL,
                        reinterpret_cast<LPARAM>(bytes.data()), SMTO_NORMAL, kPingTimeoutMs,
                        &result);
}

void Print(const char* what, int delayMs, double floorMs, std::vector<double> longest) {
    if (longest.empty()) {
        std::printf("%-11s %3d ms/transfer  no figures\n", what, delayMs);
        return;
    }
    std::sort(longest.begin(), longest.end());
    std::printf(
        "%-11s %3d ms/transfer  not answering: median %7.1f ms  min %7.1f  max %7.1f   "
        "floor %6.1f  hung at %.0f  (n=%zu)\n",
        what, delayMs, longest[longest.size() / 2], longest.front(), longest.back(), floorMs,
        kHungAfterMs, longest.size());
}

bool Run(const fs::path& work, int delayMs, int runs) {
    const fs::path folder = work / ("delay-" + std::to_string(delayMs));
    std::error_code ignored;
    fs::remove_all(folder, ignored);
    fs::create_directories(work);
    fs::copy(fs::path(CORVANE_BENCH_DIST_DIR) / "CorvaneDemo", folder, fs::copy_options::recursive);
    std::ofstream(folder / "simulated-mouse.ini", std::ios::app)
        << "\ndelay_ms = " << delayMs << "\n";

    Program program =
        Program::WithLocale(folder / "Corvane1.0.exe", L"en_US.UTF-8", kMainClass, kStartTimeoutMs);
    HWND window = program.WaitForWindow(kMainClass, nullptr, kStartTimeoutMs);
    if (window == nullptr || !WaitUntilStartedUp(window, kStartTimeoutMs) || !ClickTray(window) ||
        !WaitUntil("the window to show", kStartTimeoutMs,
                   [&] { return IsWindowVisible(window) != FALSE; })) {
        std::printf("delay %d ms: the demo did not start\n", delayMs);
        return false;
    }

    const fs::path wire = folder / "simulated-mouse-wire.log";
    std::vector<double> writes;
    std::vector<double> reads;
    for (int run = 0; run < runs; ++run) {
        if (const auto write =
                Measure(window, wire, kWriteTransfers, [&] { PostSaveClick(window); })) {
            writes.push_back(*write);
        }
        for (int i = 0; i + 1 < kEventsPerRediscovery; ++i) {
            SendArrival(window);
        }
        if (const auto read = Measure(window, wire, kReadTransfers, [&] { SendArrival(window); })) {
            reads.push_back(*read);
        }
    }
    Print("full write", delayMs, kWriteTransfers * delayMs + kWritePausesMs, writes);
    Print("full read", delayMs, kReadTransfers * delayMs, reads);
    if (!program.WindowsOf(kDialogBoxClass).empty()) {
        std::printf("delay %d ms: a message box is open\n", delayMs);
    }
    PostMessageW(window, WM_COMMAND, 1028, 0);
    program.WaitForExit(10000);
    return true;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const int runs = argc > 1 ? std::max(1, _wtoi(argv[1])) : 5;
    const fs::path work = fs::path(CORVANE_BENCH_WORK_DIR) / "busy";
    std::printf(
        "The demo's window while the mouse is written and read, %d runs each,\n"
        "pinged from another process (the longest WM_NULL round trip)\n",
        runs);
    for (const int delayMs : {1, 20}) {
        Run(work, delayMs, runs);
    }
    // The one thread stays under the hung threshold while
    // 18 x delay + 120 ms < 5000 ms.
    std::printf("a full write reaches the hung threshold at about %.0f ms per transfer\n",
                (kHungAfterMs - kWritePausesMs) / kWriteTransfers);
    return 0;
}
