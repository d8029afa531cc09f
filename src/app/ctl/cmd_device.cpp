// The commands that talk to the mouse: list, info, backup, restore.
#include <algorithm>

#include "app/ctl/commands.h"
#include "app/ctl/ctl_errors.h"
#include "app/ctl/device_session.h"
#include "app/ctl/file_output.h"
#include "app/ctl/image_view.h"
#include "app/ctl/value_names.h"
#include "core/text_encoding.h"
#include "device/hid_survey.h"
#include "device/mouse_link.h"

namespace corvane::ctl {
namespace {

std::optional<std::string> ChannelRole(const HidInterfaceInfo& i) {
    if (!i.opened || !i.capsKnown || i.attributes.vendorId != kMouseVendorId ||
        i.attributes.productId != kMouseProductId || i.caps.usagePage != kUsagePageGenericDesktop) {
        return std::nullopt;
    }
    if (i.caps.usage == kUsageCommandInterface &&
        i.caps.featureReportByteLength == kCommandFeatureLength) {
        return "command";
    }
    if (i.caps.usage == kUsageDataInterface &&
        i.caps.featureReportByteLength == kDataFeatureLength) {
        return "data";
    }
    return std::nullopt;
}

// On Linux a device node the user may not open is what the udev rule mends.
std::string PermissionHint(const HidPort& port, std::uint32_t error) {
    if (!port.NeedsAccessRule(error)) {
        return "";
    }
    return "; install the udev rule " + std::string(kAccessRuleFileName) +
           " (README: Linux set-up) and plug the mouse in again";
}

// Why an interface could not be opened, and what to do about it; empty when
// it could.
std::string OpenProblem(const HidInterfaceInfo& i, const HidPort& port, bool simulated) {
    if (i.path.empty()) {
        return "its detail record could not be read";
    }
    // The simulated mouse numbers its errors as Windows does, whatever the
    // system, so only the number is told.
    const auto errorText = [simulated](std::uint32_t error) {
        return simulated ? "system error " + std::to_string(error) : SystemErrorText(error);
    };
    if (!i.opened) {
        return "cannot be opened (" + errorText(i.openError) + ")" +
               PermissionHint(port, i.openError);
    }
    if (!i.accessible) {
        return "cannot be opened for feature reports (" + errorText(i.accessError) + ")" +
               PermissionHint(port, i.accessError);
    }
    return "";
}

std::string InterfaceLine(const HidInterfaceInfo& i) {
    std::string line =
        Hex4(i.attributes.vendorId).substr(2) + ":" + Hex4(i.attributes.productId).substr(2);
    if (!i.capsKnown) {
        return line + "  capabilities unknown";
    }
    line += "  usage page " + Hex4(i.caps.usagePage) + "  usage " + Hex4(i.caps.usage) +
            "  feature length " + std::to_string(i.caps.featureReportByteLength);
    const auto role = ChannelRole(i);
    return role ? line + "  the mouse's " + *role + " channel" : line;
}

Json InterfaceJson(const HidInterfaceInfo& i, const HidPort& port, bool simulated) {
    Json entry = {{"path", ToUtf8(i.path)}, {"opened", i.opened}, {"accessible", i.accessible}};
    const std::string problem = OpenProblem(i, port, simulated);
    entry["problem"] = problem.empty() ? Json(nullptr) : Json(problem);
    if (i.opened) {
        entry["vendorId"] = i.attributes.vendorId;
        entry["productId"] = i.attributes.productId;
    }
    if (i.capsKnown) {
        entry["usagePage"] = i.caps.usagePage;
        entry["usage"] = i.caps.usage;
        entry["featureReportLength"] = i.caps.featureReportByteLength;
    }
    const auto role = ChannelRole(i);
    entry["channel"] = role ? Json(*role) : Json(nullptr);
    return entry;
}

}  // namespace

int RunList(CtlContext& context, const CommonOptions& options) {
    DeviceSession session(context, options);
    const HidSurvey survey = SurveyHidInterfaces(session.port());
    if (!survey.listObtained) {
        throw Failed("the system gave no list of HID interfaces");
    }
    const bool found = session.TryConnect();
    if (options.json) {
        Json interfaces = Json::array();
        for (const HidInterfaceInfo& i : survey.interfaces) {
            interfaces.push_back(InterfaceJson(i, session.port(), options.simulate));
        }
        context.out << Json{{"interfaces", interfaces}, {"mouseFound", found}}.dump(2) << '\n';
        return kExitDone;
    }
    context.out << survey.interfaces.size() << " HID interface(s):\n";
    for (const HidInterfaceInfo& i : survey.interfaces) {
        const std::string problem = OpenProblem(i, session.port(), options.simulate);
        context.out << "  " << (i.opened ? InterfaceLine(i) : "?") << "\n      " << ToUtf8(i.path)
                    << '\n'
                    << (problem.empty() ? "" : "      " + problem + "\n");
    }
    context.out << "The mouse: " << (found ? "found" : "not found") << '\n';
    return kExitDone;
}

int RunInfo(CtlContext& context, const CommonOptions& options) {
    DeviceSession session(context, options);
    session.Connect();
    const DeviceImage& image = session.Read();
    context.out << (options.json ? ImageJson(image).dump(2) + "\n" : ImageText(image));
    return kExitDone;
}

int RunBackup(CtlContext& context, const CommonOptions& options, const std::string& file) {
    DeviceSession session(context, options);
    session.Connect();
    const DeviceImage& image = session.Read();
    WriteWholeFile(context.files, FromUtf8(file), image.bytes());
    context.out << "The mouse's memory (" << kDeviceImageSize << " bytes) is saved in " << file
                << '\n';
    return kExitDone;
}

int RunRestore(CtlContext& context, const CommonOptions& options, const std::string& file) {
    const auto bytes = ReadWholeFile(context.files, FromUtf8(file), kDeviceImageSize + 1);
    if (!bytes) {
        throw Failed("the backup file " + file + " does not exist");
    }
    if (bytes->size() != kDeviceImageSize) {
        throw BadInput(file + " is not a backup of the mouse: it has " +
                       (bytes->size() > kDeviceImageSize
                            ? "more than " + std::to_string(kDeviceImageSize)
                            : std::to_string(bytes->size())) +
                       " bytes instead of " + std::to_string(kDeviceImageSize));
    }
    DeviceSession session(context, options);
    session.Connect();
    session.Read();
    std::copy(bytes->begin(), bytes->end(), session.state().image.bytes().begin());
    if (!session.Write()) {
        throw Failed(
            "the backup was not written to the mouse completely; check its cable and "
            "run the restore again");
    }
    const DeviceImage& back = session.Read();
    const auto differs = std::mismatch(bytes->begin(), bytes->end(), back.bytes().begin());
    if (differs.first != bytes->end()) {
        const auto at = static_cast<std::size_t>(differs.first - bytes->begin());
        throw Failed("the mouse's memory differs from " + file + " at byte " + std::to_string(at) +
                     " (mouse " + Hex2(*differs.second) + ", file " + Hex2(*differs.first) +
                     "); run the restore again, and if it stays, attach a --trace to a bug report");
    }
    context.out << "The mouse's memory is restored from " << file << " and read back equal\n";
    return kExitDone;
}

}  // namespace corvane::ctl
