// Plugging the mouse in again, as the Linux window follows it: the simulated
// mouse at 1 ms per transfer pulled out and plugged in through its plug
// control, the node events merged by the device watch, and the program's
// logic on its Qt hosts (X11; a private Xvfb when no DISPLAY is set).
//   re-read = from the merged arrival handed to the shell until the shell
//             has found the mouse and read it whole; floor: its transfers
//             at 1 ms each
// Beside it, for information: from the plug command to the merged event
// (the merger's quiet period, which lets a bouncing plug settle).
// Target: the re-read within 1.2 times its floor.
// Run: build/native-release/bench/corvane_plug_bench [ROUNDS] (at least 15)
#include <fcntl.h>
#include <unistd.h>

#include <QApplication>
#include <QCoreApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "app/program_qt.h"
#include "app/simulated_plug.h"
#include "core/text_encoding.h"
#include "device/simulator/simulated_mouse.h"
#include "linux/e2e/x_session.h"

namespace corvane {
namespace {

constexpr int kLeastRounds = 15;
constexpr double kTarget = 1.2;
constexpr unsigned kTransferMs = 1;
constexpr int kEventTimeoutMs = 10000;

class NoBoxes final : public MessageBoxSink {
  public:
    void ShowMessageBox(const std::wstring&, const std::wstring&) override {}
};

bool Write(const std::filesystem::path& pipe, const std::string& line) {
    const int fd = ::open(pipe.c_str(), O_WRONLY | O_NONBLOCK);
    if (fd < 0) {
        return false;
    }
    const bool written = ::write(fd, line.data(), line.size()) == static_cast<ssize_t>(line.size());
    ::close(fd);
    return written;
}

struct Round {
    double mergedMs = 0;  // plug command to merged event
    double rereadMs = 0;  // merged event to the read done
    std::uint32_t transfers = 0;
};

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

int Main(int rounds, int argc, char** argv) {
    QApplication application(argc, argv);
    const std::filesystem::path work =
        std::filesystem::temp_directory_path() / ("corvane-plug-bench-" + std::to_string(getpid()));
    std::filesystem::create_directories(work);
    const std::wstring settingsFolder = FromUtf8(work.string()) + L"/";

    SimulatedMouseOptions mouseOptions;
    mouseOptions.transferDelayMs = kTransferMs;
    auto owned = std::make_unique<SimulatedMouse>(mouseOptions);
    SimulatedMouse& mouse = *owned;
    NoBoxes boxes;
    ProgramQt::Options options;
    options.port = std::move(owned);
    options.settingsFolder = settingsFolder;
    options.skinFolder = FromUtf8(CORVANE_ASSETS_DIR) + L"/Skins";
    options.messageBoxes = &boxes;
    options.endProcess = [](int) {};
    options.trayAvailable = [] { return false; };
    options.instanceName = QStringLiteral("/org.corvane.Corvane/plug-bench-%1").arg(getpid());
    options.watchDevices = [&](DeviceWatchQt& watch) {
        return watch.WatchPlugControl(settingsFolder, SimulatedPlug(true, [&](bool present) {
                                          mouse.SetMousePresent(present);
                                      })) == PlugControlSetup::Ready;
    };
    ProgramQt program(std::move(options));
    if (program.Start() != Initialisation::Ready) {
        std::fprintf(stderr, "the plug control could not be set up in %s\n", work.c_str());
        return 1;
    }

    // The merged event is the shell's request; it is timed around.
    QElapsedTimer clock;
    clock.start();
    ShellHostQt::Requests requests = program.shellHost().requests();
    const auto shellPlug = requests.plug;
    std::vector<MousePlug> handled;
    double mergedAt = 0, doneAt = 0;
    requests.plug = [&](MousePlug plug) {
        mergedAt = static_cast<double>(clock.nsecsElapsed()) / 1e6;
        shellPlug(plug);
        doneAt = static_cast<double>(clock.nsecsElapsed()) / 1e6;
        handled.push_back(plug);
    };
    program.shellHost().SetRequests(requests);

    const std::filesystem::path pipe = work / kPlugControlName;
    const auto plugAndWait = [&](const char* line, MousePlug expected, Round* round) {
        handled.clear();
        const double sentAt = static_cast<double>(clock.nsecsElapsed()) / 1e6;
        const std::uint32_t transfers = mouse.transferCount();
        if (!Write(pipe, line)) {
            return false;
        }
        const bool came = e2e::WaitUntil(
            [&] {
                QCoreApplication::processEvents();
                return !handled.empty();
            },
            kEventTimeoutMs);
        if (!came || handled != std::vector<MousePlug>{expected}) {
            return false;
        }
        if (round != nullptr) {
            *round = {mergedAt - sentAt, doneAt - mergedAt, mouse.transferCount() - transfers};
        }
        return true;
    };

    std::vector<Round> measured;
    for (int i = 0; i <= rounds; ++i) {  // the first round warms up
        Round round;
        if (!plugAndWait("unplug\n", MousePlug::Removed, nullptr) ||
            !plugAndWait("plug\n", MousePlug::Arrived, &round)) {
            std::fprintf(stderr, "a plug command was not followed by its one event\n");
            return 1;
        }
        if (i > 0) {
            measured.push_back(round);
        }
    }
    std::filesystem::remove_all(work);

    std::vector<double> rereads, merges, floors;
    for (const Round& r : measured) {
        rereads.push_back(r.rereadMs);
        merges.push_back(r.mergedMs);
        floors.push_back(static_cast<double>(r.transfers) * kTransferMs);
    }
    const double floor = Median(floors);
    const double reread = Median(rereads);
    const double ratio = reread / floor;
    std::printf(
        "Plugged in again, simulated mouse at %u ms per transfer, %d rounds, target x%.1f "
        "of the floor\n",
        kTransferMs, rounds, kTarget);
    std::printf("  %-40s %7.1f ms (%u transfers)\n", "floor: the read's transfers", floor,
                measured.front().transfers);
    std::printf("  %-40s median %7.1f ms  best %7.1f ms  x%.2f (%s)\n",
                "merged arrival to the read done", reread,
                *std::min_element(rereads.begin(), rereads.end()), ratio,
                ratio <= kTarget ? "within the target" : "ABOVE");
    std::printf("  %-40s median %7.1f ms (the quiet period: %lld ms)\n",
                "information: plug command to merged event", Median(merges),
                static_cast<long long>(kQuietPeriodMs));
    return 0;
}

}  // namespace
}  // namespace corvane

int main(int argc, char** argv) {
    const corvane::e2e::BenchSession session(100);
    if (!session.ready()) {
        return 1;
    }
    unsetenv("LANG");
    unsetenv("LC_ALL");
    unsetenv("LC_MESSAGES");
    const int rounds = argc > 1 ? std::atoi(argv[1]) : corvane::kLeastRounds;
    return corvane::Main(std::max(rounds, corvane::kLeastRounds), argc, argv);
}
