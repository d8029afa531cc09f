#include "app/device_watch_qt.h"

#include <QSocketNotifier>

#include <algorithm>
#include <utility>

namespace corvane {

struct DeviceWatchQt::Watched {
    std::unique_ptr<NodeEventSource> source;
    std::unique_ptr<QSocketNotifier> notifier;
};

DeviceWatchQt::DeviceWatchQt(Handler handler, QObject* parent)
    : QObject(parent), handler_(std::move(handler)) {
    clock_.start();
    due_.setSingleShot(true);
    connect(&due_, &QTimer::timeout, this, [this] { Deliver(); });
}

DeviceWatchQt::~DeviceWatchQt() = default;

void DeviceWatchQt::Watch(std::unique_ptr<NodeEventSource> source) {
    auto watched = std::make_unique<Watched>();
    watched->notifier =
        std::make_unique<QSocketNotifier>(source->Descriptor(), QSocketNotifier::Read);
    NodeEventSource* raw = source.get();
    connect(watched->notifier.get(), &QSocketNotifier::activated, this,
            [this, raw] { Drain(*raw); });
    watched->source = std::move(source);
    watched_.push_back(std::move(watched));
}

MonitorSetup DeviceWatchQt::WatchDeviceManager(std::unique_ptr<UdevCalls> calls) {
    DeviceMonitor::Opened opened = DeviceMonitor::Open(std::move(calls));
    if (opened.monitor) {
        Watch(std::move(opened.monitor));
    }
    return opened.setup;
}

PlugControlSetup DeviceWatchQt::WatchPlugControl(const std::wstring& folder, SimulatedPlug plug) {
    PlugControl control = OpenPlugControl(folder, std::move(plug));
    if (control.source) {
        Watch(std::move(control.source));
    }
    return control.setup;
}

void DeviceWatchQt::Drain(NodeEventSource& source) {
    for (const NodeEvent& event : source.ReadEvents(clock_.elapsed())) {
        merger_.Take(event);
    }
    ArmTimer();
}

void DeviceWatchQt::ArmTimer() {
    if (delivering_) {
        return;  // armed again when the handler returns
    }
    const std::optional<std::int64_t> next = merger_.NextDueMs();
    if (!next) {
        due_.stop();
        return;
    }
    due_.start(static_cast<int>(std::max<std::int64_t>(0, *next - clock_.elapsed())));
}

void DeviceWatchQt::Deliver() {
    if (delivering_) {
        return;
    }
    delivering_ = true;
    for (const MousePlug plug : merger_.TakeDue(clock_.elapsed())) {
        handler_(plug);
    }
    delivering_ = false;
    ArmTimer();
}

}  // namespace corvane
