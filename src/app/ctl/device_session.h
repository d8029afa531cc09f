// One command's link to the mouse (or the simulated mouse): the port, traced
// when asked, discovery, the full read and the full write, with the device
// link's messages on standard error and failures turned into exit codes.
#pragma once

#include <fstream>
#include <memory>

#include "app/ctl/console_messages.h"
#include "app/ctl/ctl_context.h"
#include "app/ctl/trace_port.h"
#include "device/device_state.h"
#include "device/mouse_link.h"

namespace corvane::ctl {

class DeviceSession {
  public:
    // Makes the port; throws when the trace file cannot be written or this
    // build has no HID port.
    DeviceSession(CtlContext& context, const CommonOptions& options);
    ~DeviceSession();

    HidPort& port() { return *port_; }
    DeviceState& state() { return state_; }
    ConsoleMessages& messages() { return messages_; }

    // Finds the mouse; throws (exit 1) with what to do when it is absent.
    void Connect();
    // Finds the mouse; false when it is absent.
    bool TryConnect();
    // Full read into state().image and sensorType; throws (exit 1) when it
    // did not complete.
    const DeviceImage& Read();
    // Full write of state().image; false (its "WriteOperation" message shown)
    // when it did not arrive whole.
    bool Write();

  private:
    CtlContext& context_;
    ConsoleMessages messages_;
    DeviceState state_;
    std::unique_ptr<HidPort> device_;
    std::ofstream traceFile_;
    std::unique_ptr<TracingHidPort> tracer_;
    HidPort* port_ = nullptr;
    std::unique_ptr<MouseLink> link_;
};

// The folder the running program lies in.
std::wstring ProgramFolder(SystemFacts& facts);

}  // namespace corvane::ctl
