// Plug and unplug on Linux without a device: the merger of node events, the
// device manager's monitor over fake library calls, and the simulated
// mouse's plug control, whose events take the same way.
#include "app/device_events.h"

#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

#include "app/device_monitor.h"
#include "app/simulated_plug.h"

namespace corvane::testing {
namespace {

// The two interfaces' nodes of a mouse on USB port 1-2, and a keyboard's.
constexpr char kDataNode[] =
    "/devices/pci0000:00/0000:00:14.0/usb1/1-2/1-2:1.0/0003:04D9:A09E.0007/hidraw/hidraw3";
constexpr char kCommandNode[] =
    "/devices/pci0000:00/0000:00:14.0/usb1/1-2/1-2:1.1/0003:04D9:A09E.0008/hidraw/hidraw4";
constexpr char kOtherPortNode[] =
    "/devices/pci0000:00/0000:00:14.0/usb1/1-4/1-4:1.0/0003:04D9:A09E.0009/hidraw/hidraw5";
constexpr char kKeyboardNode[] =
    "/devices/pci0000:00/0000:00:14.0/usb1/1-3/1-3:1.0/0003:046D:C31C.0005/hidraw/hidraw2";

NodeEvent Add(const char* path, std::int64_t ms) {
    return {NodeAction::Add, path, true, ms};
}
NodeEvent Remove(const char* path, std::int64_t ms) {
    return {NodeAction::Remove, path, false, ms};
}

TEST(DeviceEventsTest, MousePathsAndTheDeviceBothInterfacesShare) {
    EXPECT_TRUE(IsMouseNodePath(kDataNode));
    EXPECT_FALSE(IsMouseNodePath(kKeyboardNode));
    // The kernel writes the ids in upper case; a component must begin there.
    EXPECT_FALSE(IsMouseNodePath("/devices/usb1/1-2/1-2:1.0/0003:04d9:a09e.0007/hidraw/hidraw3"));
    EXPECT_FALSE(IsMouseNodePath("/devices/usb1/1-2/1-2:1.0/10003:04D9:A09E.0007/hidraw/hidraw3"));
    EXPECT_FALSE(IsMouseNodePath("/devices/usb1/1-2/1-2:1.0/0003:04D9:A09E."));

    EXPECT_EQ(DeviceOf(kDataNode), "/devices/pci0000:00/0000:00:14.0/usb1/1-2");
    EXPECT_EQ(DeviceOf(kCommandNode), DeviceOf(kDataNode));
    EXPECT_NE(DeviceOf(kOtherPortNode), DeviceOf(kDataNode));
    EXPECT_EQ(DeviceOf("/0003:04D9:A09E.0001/hidraw/hidraw0"), "/");
    EXPECT_EQ(DeviceOf(kKeyboardNode), "");
}

TEST(DeviceEventsTest, ABurstOfNodeEventsForOnePlugGivesOneArrival) {
    DeviceEventMerger merger;
    // Plugging in: both nodes, and a bounce of the first one.
    EXPECT_TRUE(merger.Take(Add(kDataNode, 1000)));
    EXPECT_TRUE(merger.Take(Add(kCommandNode, 1020)));
    EXPECT_TRUE(merger.Take(Remove(kDataNode, 1100)));
    EXPECT_TRUE(merger.Take(Add(kDataNode, 1150)));
    EXPECT_EQ(merger.NextDueMs(), 1150 + kQuietPeriodMs);
    EXPECT_TRUE(merger.TakeDue(1150 + kQuietPeriodMs - 1).empty()) << "not quiet yet";
    EXPECT_EQ(merger.TakeDue(1150 + kQuietPeriodMs), std::vector<MousePlug>{MousePlug::Arrived});
    EXPECT_FALSE(merger.NextDueMs());
    EXPECT_TRUE(merger.TakeDue(100000).empty());
}

TEST(DeviceEventsTest, ForeignDevicesAndOtherActionsAreIgnored) {
    DeviceEventMerger merger;
    EXPECT_FALSE(merger.Take(Add(kKeyboardNode, 0)));
    EXPECT_FALSE(merger.Take(Remove(kKeyboardNode, 10)));
    EXPECT_FALSE(merger.Take({NodeAction::Other, kDataNode, true, 20}));
    EXPECT_FALSE(merger.NextDueMs());
    EXPECT_TRUE(merger.TakeDue(10000).empty());
}

TEST(DeviceEventsTest, RemovalsWithoutParentAttributesAreRecognisedAndMergedPerDevice) {
    DeviceEventMerger merger;
    // One mouse pulled out while another, on another port, is plugged in.
    merger.Take(Remove(kDataNode, 0));
    merger.Take(Add(kOtherPortNode, 50));
    merger.Take(Remove(kCommandNode, 60));
    EXPECT_EQ(merger.TakeDue(60 + kQuietPeriodMs),
              (std::vector<MousePlug>{MousePlug::Removed, MousePlug::Arrived}));
    // Pulled out and plugged in again after a pause: two events.
    merger.Take(Remove(kDataNode, 5000));
    EXPECT_EQ(merger.TakeDue(5000 + kQuietPeriodMs), std::vector<MousePlug>{MousePlug::Removed});
    merger.Take(Add(kDataNode, 9000));
    EXPECT_EQ(merger.TakeDue(9000 + kQuietPeriodMs), std::vector<MousePlug>{MousePlug::Arrived});
}

TEST(DeviceEventsTest, ABurstIsReportedAfterTheLongestWaitAndALateEventBeginsTheNext) {
    DeviceEventMerger merger;
    // A node that never falls quiet.
    std::int64_t t = 0;
    for (; t < kLongestBurstMs + 500; t += kQuietPeriodMs / 2) {
        merger.Take(Add(kDataNode, t));
    }
    EXPECT_EQ(merger.NextDueMs(), kLongestBurstMs);
    // Not taken in time: what came after it fell due is a burst of its own.
    merger.Take(Remove(kDataNode, t));
    EXPECT_EQ(merger.TakeDue(t + kQuietPeriodMs),
              (std::vector<MousePlug>{MousePlug::Arrived, MousePlug::Removed}));
}

// libudev as a script: each step can fail, and events wait in a queue.
class FakeUdevCalls final : public UdevCalls {
  public:
    struct Script {
        int failAtStep = 0;  // 1-5: that step fails
        int descriptor = 7;
        std::deque<UdevEventRecord> events;
        std::vector<std::string> calls;
        bool destroyed = false;
    };
    explicit FakeUdevCalls(Script& script) : s_(script) {}
    ~FakeUdevCalls() override { s_.destroyed = true; }

    bool NewContext() override { return Step(1, "context"); }
    bool NewMonitor() override { return Step(2, "netlink"); }
    bool FilterSubsystem(const std::string& subsystem) override {
        return Step(3, "filter " + subsystem);
    }
    bool EnableReceiving() override { return Step(4, "receive"); }
    int Descriptor() override { return Step(5, "fd") ? s_.descriptor : -1; }
    std::optional<UdevEventRecord> Receive() override {
        if (s_.events.empty()) {
            return std::nullopt;
        }
        UdevEventRecord record = s_.events.front();
        s_.events.pop_front();
        return record;
    }

  private:
    bool Step(int step, const std::string& name) {
        s_.calls.push_back(name);
        return s_.failAtStep != step;
    }
    Script& s_;
};

TEST(DeviceMonitorTest, AMonitorThatFailsToOpenSaysWhereAndFreesTheLibrary) {
    const MonitorSetup expected[] = {MonitorSetup::NoContext, MonitorSetup::NoMonitor,
                                     MonitorSetup::FilterFailed, MonitorSetup::NotReceiving,
                                     MonitorSetup::NoDescriptor};
    for (int step = 1; step <= 5; ++step) {
        FakeUdevCalls::Script script;
        script.failAtStep = step;
        DeviceMonitor::Opened opened = DeviceMonitor::Open(std::make_unique<FakeUdevCalls>(script));
        EXPECT_EQ(opened.setup, expected[step - 1]) << "step " << step;
        EXPECT_FALSE(opened.monitor);
        EXPECT_EQ(script.calls.size(), static_cast<std::size_t>(step)) << "stops at the failure";
        EXPECT_TRUE(script.destroyed);
    }
    EXPECT_EQ(DeviceMonitor::Open(nullptr).setup, MonitorSetup::NoContext);
}

TEST(DeviceMonitorTest, ReadsTheHidrawNodesOfTheUdevSourceIntoTheMerger) {
    FakeUdevCalls::Script script;
    DeviceMonitor::Opened opened = DeviceMonitor::Open(std::make_unique<FakeUdevCalls>(script));
    ASSERT_EQ(opened.setup, MonitorSetup::Ready);
    EXPECT_EQ(script.calls,
              (std::vector<std::string>{"context", "netlink", "filter hidraw", "receive", "fd"}));
    EXPECT_EQ(opened.monitor->Descriptor(), 7);
    EXPECT_TRUE(opened.monitor->ReadEvents(0).empty());

    script.events = {{"remove", kDataNode, false},
                     {"change", kKeyboardNode, true},
                     {"remove", kCommandNode, false}};
    const std::vector<NodeEvent> events = opened.monitor->ReadEvents(500);
    ASSERT_EQ(events.size(), 3u);
    EXPECT_EQ(events[0].action, NodeAction::Remove);
    EXPECT_EQ(events[0].devpath, kDataNode);
    EXPECT_EQ(events[1].action, NodeAction::Other);
    EXPECT_EQ(events[2].timeMs, 500);
    DeviceEventMerger merger;
    for (const NodeEvent& e : events) {
        merger.Take(e);
    }
    EXPECT_EQ(merger.TakeDue(500 + kQuietPeriodMs), std::vector<MousePlug>{MousePlug::Removed});

    // A flood is read in parts; the rest waits for the next read.
    for (std::size_t i = 0; i < kMonitorEventsPerRead + 3; ++i) {
        script.events.push_back({"add", kDataNode, true});
    }
    EXPECT_EQ(opened.monitor->ReadEvents(0).size(), kMonitorEventsPerRead);
    EXPECT_EQ(opened.monitor->ReadEvents(0).size(), 3u);
    opened.monitor.reset();
    EXPECT_TRUE(script.destroyed);
}

TEST(SimulatedPlugTest, CommandsSetThePresenceAndMakeTheEventsARealPlugMakes) {
    EXPECT_EQ(ParsePlugCommand("  unplug\r"), PlugCommand::Unplug);
    EXPECT_EQ(ParsePlugCommand("plug"), PlugCommand::Plug);
    EXPECT_EQ(ParsePlugCommand("replug\t"), PlugCommand::Replug);
    EXPECT_FALSE(ParsePlugCommand("Plug"));
    EXPECT_FALSE(ParsePlugCommand("plug in"));
    EXPECT_FALSE(ParsePlugCommand(""));

    std::vector<bool> presence;
    SimulatedPlug plug(true, [&](bool present) { presence.push_back(present); });
    EXPECT_TRUE(plug.Apply(PlugCommand::Plug, 0).empty()) << "already in";

    DeviceEventMerger merger;
    const std::vector<NodeEvent> pulled = plug.Apply(PlugCommand::Unplug, 100);
    ASSERT_EQ(pulled.size(), 2u);
    for (const NodeEvent& e : pulled) {
        EXPECT_EQ(e.action, NodeAction::Remove);
        EXPECT_FALSE(e.parentAttributes);
        EXPECT_TRUE(merger.Take(e)) << e.devpath;
    }
    EXPECT_EQ(merger.TakeDue(100 + kQuietPeriodMs), std::vector<MousePlug>{MousePlug::Removed});
    EXPECT_TRUE(plug.Apply(PlugCommand::Unplug, 200).empty()) << "already out";

    const std::vector<NodeEvent> replugged = plug.Apply(PlugCommand::Replug, 1000);
    ASSERT_EQ(replugged.size(), 2u) << "out already: only plugged in";
    EXPECT_NE(replugged[0].devpath, pulled[0].devpath) << "the kernel numbers a new device anew";
    const std::vector<NodeEvent> again = plug.Apply(PlugCommand::Replug, 1000);
    ASSERT_EQ(again.size(), 4u);
    for (const NodeEvent& e : replugged) {
        merger.Take(e);
    }
    for (const NodeEvent& e : again) {
        merger.Take(e);
    }
    EXPECT_EQ(merger.TakeDue(1000 + kQuietPeriodMs), std::vector<MousePlug>{MousePlug::Arrived});
    EXPECT_EQ(presence, (std::vector<bool>{false, true, false, true}));
    EXPECT_TRUE(plug.present());
}

}  // namespace
}  // namespace corvane::testing
