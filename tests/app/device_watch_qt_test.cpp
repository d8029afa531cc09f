// Plug and unplug on the Qt event loop: the simulated mouse's plug control
// feeds the whole program's logic (recording hosts) as the device manager's
// monitor would, a handler that runs a modal loop is not entered twice, and
// the real library's monitor can be set up here.
#include "app/device_watch_qt.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <QTest>

#include <deque>
#include <string>

#include "app/notice_table.h"
#include "app/program.h"
#include "app/shell_fakes.h"
#include "app/simulated_plug_linux.h"
#include "device/simulator/simulated_mouse.h"
#include "meaning/factory_settings.h"
#include "support/fake_file_store.h"
#include "support/fake_ini_store.h"
#include "support/fake_system_facts.h"
#include "support/temp_folder.h"

namespace corvane::testing {
namespace {

constexpr int kPatienceMs = 5000;
constexpr std::uint32_t kFullReadTransfers = 17;

void Write(const std::filesystem::path& pipe, const std::string& text) {
    const int fd = ::open(pipe.c_str(), O_WRONLY | O_NONBLOCK);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::write(fd, text.data(), text.size()), static_cast<ssize_t>(text.size()));
    ::close(fd);
}

TEST(DeviceWatchQtTest, ThePlugControlGivesTheShellOneRemovalAndOneArrivalAsOnWindows) {
    TempFolder folder;
    FakeShellHost shellHost;
    FakeMainHost windowHost;
    RecordedBoxes boxes;
    SimulatedMouseOptions options;
    options.sleep = [](unsigned) {};
    SimulatedMouse mouse(options);
    FakeSystemFacts facts;
    facts.executablePath = L"/usr/bin/corvane";
    FakeFileStore files;
    FakeIniStore ini;
    const auto factory = FactoryConfigFile();
    files.files[L"/s/config.bin"].assign(factory.begin(), factory.end());
    Program program(
        ProgramParts{shellHost, windowHost, boxes, mouse, facts, files, ini, L"/s/", L"/skins"});
    ASSERT_EQ(program.shell().Initialise(), Initialisation::Ready);
    program.shell().OnTrayClick();
    ASSERT_TRUE(shellHost.visible);

    DeviceWatchQt watch([&](MousePlug plug) {
        plug == MousePlug::Arrived ? program.shell().OnMouseArrived()
                                   : program.shell().OnMouseRemoved();
    });
    PlugControl control = OpenPlugControl(
        WidePath(folder.path()),
        SimulatedPlug(mouse.mousePresent(), [&](bool present) { mouse.SetMousePresent(present); }));
    ASSERT_EQ(control.setup, PlugControlSetup::Ready);
    watch.Watch(std::move(control.source));
    const auto pipe = folder / kPlugControlName;

    Write(pipe, "unplug\n");
    ASSERT_TRUE(QTest::qWaitFor([&] { return !shellHost.balloons.empty(); }, kPatienceMs));
    EXPECT_EQ(shellHost.balloons,
              (std::vector<FakeShellHost::Balloon>{
                  {L"The system did not detect the gaming mouse!", L"Warning", kShortNoticeMs}}));
    EXPECT_FALSE(shellHost.visible) << "the window hides";
    EXPECT_EQ(program.state().devicePresent, 0u);

    // A command in two writes, and one that is no command.
    const std::uint32_t before = mouse.transferCount();
    Write(pipe, "pl");
    Write(pipe, "ug\nunplugged\n");
    ASSERT_TRUE(QTest::qWaitFor([&] { return program.state().devicePresent == 1u; }, kPatienceMs));
    EXPECT_EQ(mouse.transferCount() - before, kFullReadTransfers) << "one full read";
    EXPECT_TRUE(program.state().link.imageRead);
    EXPECT_EQ(shellHost.balloons.size(), 1u) << "an arrival that finds the mouse shows nothing";
    EXPECT_TRUE(boxes.shown.empty());

    // Out and in again at once: one arrival, one read. The pull after it
    // comes when whatever the replug gave has come.
    Write(pipe, "replug\n");
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return mouse.transferCount() - before == 2 * kFullReadTransfers; }, kPatienceMs));
    Write(pipe, "unplug\n");
    ASSERT_TRUE(QTest::qWaitFor([&] { return shellHost.balloons.size() == 2; }, kPatienceMs));
    EXPECT_EQ(mouse.transferCount() - before, 2 * kFullReadTransfers);
}

TEST(DeviceWatchQtTest, ThePlugControlKeepsAFileOfAnotherKind) {
    TempFolder folder;
    TempFolder::WriteFile(folder / kPlugControlName, {'x'});
    EXPECT_EQ(OpenPlugControl(WidePath(folder.path()), SimulatedPlug(true, [](bool) {})).setup,
              PlugControlSetup::Taken);
    EXPECT_EQ(TempFolder::ReadFile(folder / kPlugControlName), std::vector<std::uint8_t>{'x'});
    EXPECT_EQ(OpenPlugControl(WidePath(folder / "missing"), SimulatedPlug(true, [](bool) {})).setup,
              PlugControlSetup::CannotMake);
}

// Events pushed by the test, signalled through a pipe.
class PushedEvents final : public NodeEventSource {
  public:
    PushedEvents() { EXPECT_EQ(::pipe2(fds_, O_NONBLOCK | O_CLOEXEC), 0); }
    ~PushedEvents() override {
        ::close(fds_[0]);
        ::close(fds_[1]);
    }
    void Push(NodeAction action) {
        queue_.push_back(action);
        EXPECT_EQ(::write(fds_[1], "x", 1), 1);
    }
    int Descriptor() const override { return fds_[0]; }
    std::vector<NodeEvent> ReadEvents(std::int64_t nowMs) override {
        char drain[16];
        while (::read(fds_[0], drain, sizeof drain) > 0) {
        }
        std::vector<NodeEvent> events;
        for (const NodeAction action : queue_) {
            events.push_back({action,
                              "/devices/usb1/1-1/1-1:1.0/0003:04D9:A09E.0001/hidraw/hidraw0",
                              action == NodeAction::Add, nowMs});
        }
        queue_.clear();
        return events;
    }

  private:
    int fds_[2] = {-1, -1};
    std::deque<NodeAction> queue_;
};

TEST(DeviceWatchQtTest, AHandlerInAModalLoopGetsTheNextEventOnlyAfterItReturns) {
    auto owned = std::make_unique<PushedEvents>();
    PushedEvents& events = *owned;
    std::vector<MousePlug> delivered;
    int depth = 0;
    int deepest = 0;
    DeviceWatchQt watch([&](MousePlug plug) {
        deepest = std::max(deepest, ++depth);
        delivered.push_back(plug);
        if (delivered.size() == 1) {
            // A message box's loop, long enough for the next burst to fall due.
            events.Push(NodeAction::Add);
            QTest::qWait(static_cast<int>(kQuietPeriodMs) * 3);
            EXPECT_EQ(delivered.size(), 1u);
        }
        --depth;
    });
    watch.Watch(std::move(owned));
    events.Push(NodeAction::Remove);
    ASSERT_TRUE(QTest::qWaitFor([&] { return delivered.size() == 2; }, kPatienceMs));
    EXPECT_EQ(delivered, (std::vector<MousePlug>{MousePlug::Removed, MousePlug::Arrived}));
    EXPECT_EQ(deepest, 1);
}

TEST(DeviceWatchQtTest, TheDeviceManagerMonitorSetsUpOrSaysWhyNot) {
    DeviceWatchQt watch([](MousePlug) {});
    // The library itself: here it opens and stays silent (no device can be
    // made); where netlink is closed to the process, it says so.
    const MonitorSetup setup = watch.WatchDeviceManager(MakeUdevCalls());
    EXPECT_TRUE(setup == MonitorSetup::Ready || setup == MonitorSetup::NoMonitor);
    EXPECT_EQ(watch.WatchDeviceManager(nullptr), MonitorSetup::NoContext);
    QTest::qWait(50);
}

}  // namespace
}  // namespace corvane::testing
