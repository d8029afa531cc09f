#include "device/hid_survey.h"

namespace corvane {
namespace {

void ReadCapabilities(HidPort& port, HidHandle handle, HidInterfaceInfo& info) {
    HidPreparsedData preparsed = 0;
    if (!port.GetPreparsedData(handle, preparsed)) {
        return;
    }
    info.capsKnown = port.GetCaps(preparsed, info.caps) == HidCapsStatus::Success;
    port.FreePreparsedData(preparsed);
}

void TryChannelOpen(HidPort& port, HidInterfaceInfo& info) {
    const HidHandle handle = port.Open(info.path, HidOpenPurpose::CommandChannel, info.accessError);
    info.accessible = handle != kInvalidHidHandle;
    if (info.accessible) {
        port.Close(handle);
    }
}

}  // namespace

HidSurvey SurveyHidInterfaces(HidPort& port, std::size_t limit) {
    HidSurvey survey;
    survey.listObtained = port.OpenInterfaceList();
    if (!survey.listObtained) {
        return survey;
    }
    for (std::uint32_t index = 0; survey.interfaces.size() < limit; ++index) {
        if (port.EnumInterface(index) != HidListing::Listed) {
            break;
        }
        HidInterfaceInfo info;
        if (port.GetInterfacePath(index, info.path)) {
            const HidHandle handle = port.OpenForQuery(info.path, info.openError);
            info.opened = handle != kInvalidHidHandle;
            if (info.opened) {
                port.GetAttributes(handle, info.attributes);
                ReadCapabilities(port, handle, info);
                port.Close(handle);
                TryChannelOpen(port, info);
            }
        }
        survey.interfaces.push_back(std::move(info));
    }
    port.CloseInterfaceList();
    return survey;
}

}  // namespace corvane
