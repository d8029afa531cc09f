// A console look at the program's data model (the SettingsRecord and
// DeviceImage layouts, the DPI lists of every sensor type) and at the device
// link: the machine's HID interfaces, whether the mouse is among them, and
// what a full read of the simulated mouse gives.
#include <cstddef>
#include <cstdio>
#include <filesystem>
#include <memory>

#include "core/system_facts.h"
#include "core/user_messages.h"
#include "device/device_state.h"
#include "device/hid_survey.h"
#include "device/mouse_link.h"
#include "device/simulator/simulated_mouse_settings.h"
#include "settings/dpi_table.h"
#include "settings/settings_record.h"

namespace {

struct Field {
    const char* name;
    std::size_t offset;
    std::size_t size;
};

#define CORVANE_FIELD(type, member) \
    { #member, offsetof(type, member), sizeof(type::member) }

const Field kRecordFields[] = {
    CORVANE_FIELD(corvane::SettingsRecord, reportRate),
    CORVANE_FIELD(corvane::SettingsRecord, dpiLevel),
    CORVANE_FIELD(corvane::SettingsRecord, dpiStageOn),
    CORVANE_FIELD(corvane::SettingsRecord, ledColour),
    CORVANE_FIELD(corvane::SettingsRecord, ledMode),
    CORVANE_FIELD(corvane::SettingsRecord, ledParamA),
    CORVANE_FIELD(corvane::SettingsRecord, ledParamB),
    CORVANE_FIELD(corvane::SettingsRecord, leftRuleLayer),
    CORVANE_FIELD(corvane::SettingsRecord, fireMakeTime),
    CORVANE_FIELD(corvane::SettingsRecord, fireBreakTime),
    CORVANE_FIELD(corvane::SettingsRecord, snipeDpiCode),
    CORVANE_FIELD(corvane::SettingsRecord, buttonFunction),
    CORVANE_FIELD(corvane::SettingsRecord, mediaChoice),
    CORVANE_FIELD(corvane::SettingsRecord, windowsChoice),
    CORVANE_FIELD(corvane::SettingsRecord, hotKeyChoice),
    CORVANE_FIELD(corvane::SettingsRecord, singleKeyCode),
    CORVANE_FIELD(corvane::SettingsRecord, snipeChoice),
    CORVANE_FIELD(corvane::SettingsRecord, fireKeyChoice),
    CORVANE_FIELD(corvane::SettingsRecord, fireKeyCode),
    CORVANE_FIELD(corvane::SettingsRecord, fireCount),
};

const Field kImageFields[] = {
    CORVANE_FIELD(corvane::DeviceImage, reportRate),
    CORVANE_FIELD(corvane::DeviceImage, dpiStage),
    CORVANE_FIELD(corvane::DeviceImage, page1),
    CORVANE_FIELD(corvane::DeviceImage, page2),
    {"page3.buttonTable0", offsetof(corvane::DeviceImage, page3), 16},
    {"page3.buttonTable1", offsetof(corvane::DeviceImage, page3) + 32, 16},
    {"page4.sensorType", offsetof(corvane::DeviceImage, page4) + 1, 1},
    {"page4.enabledStageCount", offsetof(corvane::DeviceImage, page4) + 6, 1},
    {"page4.ledMode", offsetof(corvane::DeviceImage, page4) + 10, 1},
    {"page4.ledParam", offsetof(corvane::DeviceImage, page4) + 11, 1},
    {"page4.fireMakeTime", offsetof(corvane::DeviceImage, page4) + 14, 1},
    {"page4.fireBreakTime", offsetof(corvane::DeviceImage, page4) + 15, 1},
    {"page4.snipeDpiCode", offsetof(corvane::DeviceImage, page4) + 23, 1},
    {"page4.dpiCode", offsetof(corvane::DeviceImage, page4) + 24, 3},
    {"page4.consumerTable", offsetof(corvane::DeviceImage, page4) + 32, 32},
    {"page5.hotKeyTable", offsetof(corvane::DeviceImage, page5) + 48, 16},
};

void PrintFields(const char* title, std::size_t total, const Field* fields, std::size_t count) {
    std::printf("%s (%zu bytes)\n", title, total);
    for (std::size_t i = 0; i < count; ++i) {
        std::printf("  %3zu-%3zu  %s\n", fields[i].offset, fields[i].offset + fields[i].size - 1,
                    fields[i].name);
    }
}

// Message boxes become console lines.
class ConsoleMessages final : public corvane::UserMessages {
  public:
    void Show(corvane::MessageKind kind, corvane::Caption caption, std::int64_t value) override {
        std::printf("  [message box: kind %d, caption %d, value %lld]\n", static_cast<int>(kind),
                    static_cast<int>(caption), static_cast<long long>(value));
    }
};

void PrintSurvey(corvane::HidPort& port) {
    const corvane::HidSurvey survey = corvane::SurveyHidInterfaces(port);
    if (!survey.listObtained) {
        std::printf("  no HID interface list\n");
        return;
    }
    std::printf("  %zu HID interface(s)\n", survey.interfaces.size());
    for (const corvane::HidInterfaceInfo& i : survey.interfaces) {
        if (!i.opened) {
            std::printf("  (cannot be opened) %ls\n", i.path.c_str());
            continue;
        }
        std::printf("  vendor %04X product %04X usage page %04X usage %04X feature length %u\n",
                    i.attributes.vendorId, i.attributes.productId, i.caps.usagePage, i.caps.usage,
                    i.caps.featureReportByteLength);
    }
}

const char* RateText(std::uint8_t code) {
    switch (code) {
        case 1:
            return "1000 Hz";
        case 2:
            return "500 Hz";
        case 4:
            return "250 Hz";
        case 8:
            return "125 Hz";
        default:
            return "unknown";
    }
}

void PrintDpiCode(std::uint8_t sensorType, std::uint8_t code) {
    std::printf(" 0x%02X", code);
    for (const auto& choice : corvane::DpiChoicesOf(sensorType)) {
        if (choice.code == (code & 0x7F)) {
            std::printf(" (%.*ls%s)", static_cast<int>(choice.text.size()), choice.text.data(),
                        code & corvane::kDpiDisabledBit ? ", off" : "");
        }
    }
}

void ProbeDevices() {
    const auto facts = corvane::MakePlatformSystemFacts();
    ConsoleMessages messages;

    std::printf("HID interfaces of this machine:\n");
    const auto realPort = corvane::MakePlatformHidPort();
    PrintSurvey(*realPort);
    {
        corvane::DeviceState state;
        corvane::MouseLink link(*realPort, state, *facts, messages);
        std::printf("  mouse %04X:%04X: %s\n", corvane::kMouseVendorId, corvane::kMouseProductId,
                    link.FindMouse() ? "found" : "not found");
        link.CloseHandles();
    }

    const std::wstring folder =
        std::filesystem::path(facts->ExecutablePath()).parent_path().wstring();
    std::printf("Simulated mouse (settings: %ls beside the probe, CORVANE_SIM_*):\n",
                corvane::kSimulatedMouseSettingsFile);
    const auto simulated = corvane::MakeSimulatedMouseFromEnvironment(folder);
    PrintSurvey(*simulated);
    corvane::DeviceState state;
    corvane::MouseLink link(*simulated, state, *facts, messages);
    if (!link.FindMouse()) {
        std::printf("  mouse: not found\n");
        return;
    }
    state.scrambleEnabled = 1;
    state.image = corvane::DeviceImage{};
    link.ReadDevice();
    state.sensorType = state.image.page4.sensorType;
    std::printf("  mouse: found, full read %s\n", state.link.imageRead ? "complete" : "failed");
    std::printf("  report rate: %u (%s)\n", state.image.reportRate,
                RateText(state.image.reportRate));
    std::printf("  DPI stage: %u\n", state.image.dpiStage);
    std::printf("  sensor type: %u\n", state.sensorType);
    std::printf("  DPI codes:");
    for (const std::uint8_t code : state.image.page4.dpiCode) {
        PrintDpiCode(state.sensorType, code);
    }
    std::printf("\n");
    link.CloseHandles();
}

}  // namespace

int main() {
    PrintFields("SettingsRecord", sizeof(corvane::SettingsRecord), kRecordFields,
                sizeof kRecordFields / sizeof kRecordFields[0]);
    PrintFields("DeviceImage", sizeof(corvane::DeviceImage), kImageFields,
                sizeof kImageFields / sizeof kImageFields[0]);
    for (int type = 0; type < corvane::kSensorTypeCount; ++type) {
        std::printf("DPI list of sensor type %d:", type);
        for (const auto& choice : corvane::DpiChoicesOf(static_cast<std::uint8_t>(type))) {
            std::printf(" %.*ls=0x%02X", static_cast<int>(choice.text.size()), choice.text.data(),
                        choice.code);
        }
        std::printf("\n");
    }
    ProbeDevices();
    return 0;
}
