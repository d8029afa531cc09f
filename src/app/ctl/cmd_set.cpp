// `set`: one offline edit of config.bin and str.ini, made and stored as the
// window makes and saves it; with --apply also the window's Save to the
// mouse (full read, Apply, full write, both files stored).
#include <optional>

#include "app/ctl/commands.h"
#include "app/ctl/ctl_errors.h"
#include "app/ctl/device_session.h"
#include "app/ctl/file_output.h"
#include "app/ctl/set_edits.h"
#include "app/ctl/settings_files.h"
#include "settings/apply.h"

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
    std::optional<ConsoleMessages> console;
    AppState offline;
    AppState* state = &offline;
    UserMessages* messages = nullptr;
    if (request.apply) {
        // The mouse first: its sensor decides which DPI values exist.
        session.emplace(context, options);
        session->Connect();
        session->Read();
        state = &session->state();
        messages = &session->messages();
    } else {
        offline.sensorType = static_cast<std::uint8_t>(options.sensor);
        console.emplace(context.err, TextTableFor(context.facts.DefaultLanguageId()));
        messages = &*console;
    }
    const auto shownBefore = [&] {
        return session ? session->messages().shownCount() : console->shownCount();
    };
    const int shownAtStart = shownBefore();

    SettingsFiles files(context, options, *state, *messages);
    files.LoadConfig();
    KeyLabels labels = files.LoadLabelsAsTheWindow();
    if (state->firstRunFlag == 0) {
        files.ApplyFirstRun(labels);
    }
    SetTarget target{state->records.working, labels, files.texts(), state->sensorType,
                     context.facts.DefaultLanguageId()};
    const std::string what = Edit(request, target);

    files.CreateConfigIfMissing();
    bool written = true;
    if (session) {
        ApplySettings(
            *state, [&] { written = session->Write(); }, files.stored(), labels);
    } else {
        files.stored().SaveConfig();
        files.stored().SaveLabels(labels);
    }
    files.CheckLabelsStored(labels);
    if (!written) {
        throw Failed(
            "the settings did not reach the mouse; they are stored in config.bin and "
            "str.ini. Check its cable and run the command again");
    }
    if (shownBefore() != shownAtStart) {
        throw Failed("config.bin in " + Utf8Path(files.paths().folder) +
                     " could not be written; check that it and its folder are writable");
    }
    context.out << "Set " << what << " in " << Utf8Path(files.paths().folder)
                << (session ? ", and saved to the mouse" : "") << '\n';
    return kExitDone;
}

}  // namespace corvane::ctl
