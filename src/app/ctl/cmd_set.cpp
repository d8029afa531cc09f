// `set`: one offline edit of config.bin and str.ini, made and stored as the
// window makes and saves it; with --apply also the window's Save to the
// mouse (full read, Apply, full write, both files stored).
#include <functional>
#include <optional>

#include "app/ctl/commands.h"
#include "app/ctl/ctl_errors.h"
#include "app/ctl/device_session.h"
#include "app/ctl/file_output.h"
#include "app/ctl/set_edits.h"
#include "app/ctl/settings_folder.h"

namespace corvane::ctl {
namespace {

std::string Edit(const SetRequest& request, SetTarget& target) {
    switch (request.what) {
        case SetRequest::What::Rate:
            return EditRate(request, target);
        case SetRequest::What::Dpi:
            return EditDpi(request, target);
        case SetRequest::What::Lighting:
            return EditLighting(request, target);
        case SetRequest::What::Button:
            break;
    }
    return EditButton(request, target);
}

}  // namespace

int RunSet(CtlContext& context, const CommonOptions& options, const SetRequest& request) {
    std::optional<DeviceSession> session;
    DeviceState offline;
    DeviceState* state = &offline;
    if (request.apply) {
        // The mouse first: its sensor decides which DPI values exist.
        session.emplace(context, options);
        session->Connect();
        session->Read();
        state = &session->state();
    } else {
        offline.sensorType = static_cast<std::uint8_t>(options.sensor);
    }

    SettingsEdit edit(context, options, *state);
    edit.LoadConfig();
    KeyLabels labels = edit.LoadLabelsAsTheWindow();
    if (state->firstRunFlag == 0) {
        edit.ApplyFirstRun(labels);
    }
    SetTarget target{state->records.working, labels, edit.texts(), state->sensorType,
                     context.facts.DefaultLanguageId()};
    const std::string what = Edit(request, target);

    std::function<bool()> writeDevice;
    if (session) {
        writeDevice = [&] { return session->Write(); };
    }
    if (!edit.Store(labels, writeDevice) && session) {
        throw Failed(
            "the settings did not reach the mouse; they are stored in config.bin and "
            "str.ini. Check its cable and run the command again");
    }
    context.out << "Set " << what << " in " << Utf8Path(edit.paths().folder)
                << (session ? ", and saved to the mouse" : "") << '\n';
    return kExitDone;
}

}  // namespace corvane::ctl
