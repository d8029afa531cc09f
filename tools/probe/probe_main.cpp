// A console look at the program's data model: the SettingsRecord and
// DeviceImage layouts and the DPI lists of every sensor type.
#include <cstddef>
#include <cstdio>

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
    return 0;
}
