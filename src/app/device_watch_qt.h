// Watches sources of node events on the Qt event loop (a socket notifier per
// source), merges their events and hands each merged arrival or removal to
// one handler, the shell's OnMouseArrived / OnMouseRemoved.
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <functional>
#include <memory>
#include <vector>

#include "app/device_events.h"
#include "app/device_monitor.h"
#include "app/simulated_plug.h"
#include "app/simulated_plug_linux.h"

class QSocketNotifier;

namespace corvane {

class DeviceWatchQt final : public QObject {
  public:
    using Handler = std::function<void(MousePlug)>;
    explicit DeviceWatchQt(Handler handler, QObject* parent = nullptr);
    ~DeviceWatchQt() override;

    // Watches `source` from now on; its events merge with those of every
    // other source.
    void Watch(std::unique_ptr<NodeEventSource> source);
    // Sets up the device manager's monitor with `calls` and watches it. What
    // is not Ready leaves plug-in and removal unnoticed; the caller reports
    // it as a failed notification registration and goes on.
    MonitorSetup WatchDeviceManager(std::unique_ptr<UdevCalls> calls);
    // Opens the simulated mouse's plug control in `folder` and watches it, in
    // place of the device manager, which does not know the simulated mouse.
    // What is not Ready is reported as WatchDeviceManager's failures are.
    PlugControlSetup WatchPlugControl(const std::wstring& folder, SimulatedPlug plug);

  private:
    struct Watched;
    void Drain(NodeEventSource& source);
    void Deliver();
    void ArmTimer();

    Handler handler_;
    DeviceEventMerger merger_;
    QElapsedTimer clock_;
    QTimer due_;
    std::vector<std::unique_ptr<Watched>> watched_;
    // The handler may run a modal box, whose loop delivers again; events of
    // that time wait until the handler has returned.
    bool delivering_ = false;
};

}  // namespace corvane
