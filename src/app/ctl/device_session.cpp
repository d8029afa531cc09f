#include "app/ctl/device_session.h"

#include <filesystem>

#include "app/ctl/ctl_errors.h"
#include "app/ctl/file_output.h"
#include "app/ctl/value_names.h"
#include "core/text_encoding.h"
#include "ui/main/text_table.h"

namespace corvane::ctl {
namespace {

std::unique_ptr<HidPort> MakeSimulatedMouse(CtlContext& context, const CommonOptions& options) {
    SimulatedMouseSettings settings =
        SimulatedMouseSettingsFor(ProgramFolder(context.facts), context.environment);
    if (!options.memoryFile.empty()) {
        settings.memoryFile = FromUtf8(options.memoryFile);
    }
    return std::make_unique<SimulatedMouse>(OptionsOf(settings));
}

std::string MouseIds() {
    return Hex4(kMouseVendorId).substr(2) + ":" + Hex4(kMouseProductId).substr(2);
}

}  // namespace

std::wstring ProgramFolder(SystemFacts& facts) {
    return WidePath(FsPath(facts.ExecutablePath()).parent_path());
}

DeviceSession::DeviceSession(CtlContext& context, const CommonOptions& options)
    : context_(context), messages_(context.err, TextTableFor(context.facts.DefaultLanguageId())) {
    device_ = options.simulate ? MakeSimulatedMouse(context, options) : context.makeRealPort();
    if (!device_) {
        throw Failed(
            "this build has no access to HID devices; use --simulate for the simulated mouse");
    }
    port_ = device_.get();
    if (!options.traceFile.empty()) {
        traceFile_.open(FsPath(FromUtf8(options.traceFile)), std::ios::out | std::ios::trunc);
        if (!traceFile_) {
            throw Failed("cannot write the trace file " + options.traceFile +
                         "; choose a writable place for --trace");
        }
        traceFile_ << "# corvanectl trace: every feature transfer, unscrambled\n";
        tracer_ = std::make_unique<TracingHidPort>(*device_, traceFile_);
        port_ = tracer_.get();
    }
    link_ = std::make_unique<MouseLink>(*port_, state_, context.facts, messages_);
}

DeviceSession::~DeviceSession() {
    link_->CloseHandles();
}

bool DeviceSession::TryConnect() {
    return link_->FindMouse();
}

void DeviceSession::Connect() {
    if (!TryConnect()) {
        throw Failed("the mouse (" + MouseIds() +
                     ") was not found. Plug it in and try again; `corvanectl list` shows the HID "
                     "interfaces seen and why one could not be opened");
    }
}

const DeviceImage& DeviceSession::Read() {
    if (!link_->ReadDevice()) {
        throw Failed(
            "the mouse's memory could not be read completely. Check its cable and try "
            "again; --trace FILE records the exchange for a bug report");
    }
    return state_.image;
}

bool DeviceSession::Write() {
    return link_->WriteDevice();
}

}  // namespace corvane::ctl
