#include "meaning/apply.h"

#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "meaning/button_functions.h"
#include "meaning/factory_settings.h"
#include "settings/dpi_table.h"
#include "support/fake_file_store.h"
#include "support/fake_ini_store.h"
#include "support/fake_system_facts.h"
#include "support/fake_user_messages.h"

namespace corvane {
namespace {

using Entries = std::array<std::uint8_t, 2 * kRealButtons>;  // slots 0-5, code and class

struct GoldenRound {
    const char* name;
    std::array<std::array<std::uint8_t, kRealButtons>, kLayerCount> functions;
    std::uint8_t ledMode;
    std::uint8_t sensorType;
    std::optional<std::uint8_t> ledParam;  // none: keeps the image's byte
    std::array<std::uint8_t, kDpiStages> dpiCodes;
    std::array<Entries, kLayerCount> slots;
};

// Every function (and values beyond the last) in both layers over three
// rounds. Buttons 3 and 4 land in slots 4 and 3.
const GoldenRound kRounds[] = {
    {"plain and special in layer 0, parameter functions in layer 1",
     {{{0, 1, 2, 3, 4, 5}, {6, 7, 8, 9, 10, 11}}},
     1,
     0,
     5,
     {0x01, 0x25, 0xA8},
     {{{0xF0, 0x00, 0xF1, 0x00, 0xF2, 0x00, 0xF3, 0x00, 0xF4, 0x00, 0x05, 0x03},
       {0x07, 0x02, 0x03, 0x02, 0x17, 0x02, 0xE4, 0x00, 0x04, 0x80, 0x0A, 0x03}}}},
    {"parameter functions in layer 0, off, shift and out of range in layer 1",
     {{{6, 7, 8, 9, 10, 11}, {12, 13, 14, 255, 0, 1}}},
     2,
     2,
     3,
     {0x02, 0x00, 0x80},
     {{{0x0F, 0x02, 0x06, 0x02, 0x05, 0x02, 0x5D, 0x00, 0xF0, 0x48, 0x0A, 0x03},
       {0x00, 0x00, 0x06, 0x03, 0x00, 0x00, 0xF0, 0x00, 0x00, 0x00, 0xF1, 0x00}}}},
    {"the rest of both layers, unknown sensor, lighting mode 0",
     {{{12, 13, 200, 2, 3, 4}, {2, 3, 4, 5, 12, 13}}},
     0,
     5,
     std::nullopt,
     {0x00, 0x00, 0x80},
     {{{0x00, 0x00, 0x06, 0x03, 0x00, 0x00, 0xF4, 0x00, 0xF2, 0x00, 0xF3, 0x00},
       {0xF2, 0x00, 0xF4, 0x00, 0xF3, 0x00, 0x00, 0x00, 0x05, 0x03, 0x06, 0x03}}}},
};

void FillRow(LayerButtonBytes& bytes, int layer, std::uint8_t value) {
    std::fill(std::begin(bytes[layer]), std::end(bytes[layer]), value);
}

SettingsRecord GoldenRecord(const GoldenRound& round) {
    SettingsRecord record{};
    record.reportRate = 2;
    record.ledMode = round.ledMode;
    record.ledParamA = 5;
    record.ledParamB = 3;
    record.dpiStageOn[0] = 1;
    record.dpiStageOn[1] = 2;  // enabled for its code, not counted
    record.dpiStageOn[2] = 0;
    record.dpiLevel[0] = 0;
    record.dpiLevel[1] = 8;
    record.dpiLevel[2] = 11;
    record.dpiLevel[3] = 3;
    record.snipeDpiCode = 0x26;
    record.fireMakeTime = 12;
    record.fireBreakTime = 34;
    FillRow(record.windowsChoice, 0, 8);  // code 15
    FillRow(record.windowsChoice, 1, 0);  // code 7, the eighth consumer entry
    FillRow(record.mediaChoice, 0, 6);
    FillRow(record.mediaChoice, 1, 3);
    FillRow(record.hotKeyChoice, 0, 245);  // 245 + 16 wraps to 5
    FillRow(record.hotKeyChoice, 1, 7);    // code 23
    FillRow(record.fireKeyCode, 0, 0xF0);
    FillRow(record.fireKeyCode, 1, 0x04);
    FillRow(record.fireCount, 0, 200);  // class 200 - 128 = 0x48
    FillRow(record.fireCount, 1, 0);    // class 0x80: until release
    FillRow(record.singleKeyCode, 0, 0x5D);
    FillRow(record.singleKeyCode, 1, 0xE4);
    for (int layer = 0; layer < kLayerCount; ++layer) {
        for (int button = 0; button < kRealButtons; ++button) {
            record.buttonFunction[layer][button] = round.functions[layer][button];
        }
        // Buttons 6 and 7 are stored only; whatever they hold is not written.
        record.buttonFunction[layer][6] = 1;
        record.buttonFunction[layer][7] = 5;
    }
    return record;
}

DeviceImage PatternedImage() {
    DeviceImage image{};
    for (std::size_t i = 0; i < kDeviceImageSize; ++i) {
        image.bytes()[i] = static_cast<std::uint8_t>(i * 7 + 3);
    }
    return image;
}

TEST(ApplyGoldenTest, EveryTouchedByteAndNoOther) {
    for (const GoldenRound& round : kRounds) {
        SCOPED_TRACE(round.name);
        const DeviceImage original = PatternedImage();
        std::array<std::uint8_t, kDeviceImageSize> expected;
        std::copy(original.bytes().begin(), original.bytes().end(), expected.begin());
        expected[0] = 2;    // reportRate
        expected[200] = 1;  // enabledStageCount: only the 1s count
        expected[204] = round.ledMode;
        if (round.ledParam) {
            expected[205] = *round.ledParam;
        }
        expected[208] = 12;
        expected[209] = 34;
        expected[217] = 0x26;
        std::copy(round.dpiCodes.begin(), round.dpiCodes.end(), expected.begin() + 218);
        std::copy(round.slots[0].begin(), round.slots[0].end(), expected.begin() + 130);
        std::copy(round.slots[1].begin(), round.slots[1].end(), expected.begin() + 162);

        DeviceImage image = original;
        PatchDeviceImage(GoldenRecord(round), round.sensorType, image);
        for (std::size_t i = 0; i < kDeviceImageSize; ++i) {
            EXPECT_EQ(image.bytes()[i], expected[i]) << "image byte " << i;
        }
    }
}

TEST(ApplyTest, LedParamFollowsOnlyModesOneAndTwo) {
    for (const std::uint8_t mode : {0, 3, 255}) {
        SettingsRecord record{};
        record.ledMode = mode;
        record.ledParamA = 1;
        record.ledParamB = 2;
        DeviceImage image{};
        image.page4.ledParam = 0x77;
        PatchDeviceImage(record, 0, image);
        EXPECT_EQ(image.page4.ledParam, 0x77) << int(mode);
        EXPECT_EQ(image.page4.ledMode, mode);
    }
}

TEST(ApplyTest, EnabledStageCountCountsOnlyOnes) {
    struct Case {
        std::array<std::uint8_t, 3> on;
        std::uint8_t count;
    };
    for (const Case& c : {Case{{1, 1, 1}, 3}, Case{{0, 0, 0}, 0}, Case{{2, 1, 255}, 1}}) {
        SettingsRecord record{};
        std::copy(c.on.begin(), c.on.end(), record.dpiStageOn);
        DeviceImage image{};
        PatchDeviceImage(record, 0, image);
        EXPECT_EQ(image.page4.enabledStageCount, c.count);
        for (int stage = 0; stage < kDpiStages; ++stage) {
            EXPECT_EQ(image.page4.dpiCode[stage] & kDpiDisabledBit, c.on[stage] ? 0 : 0x80);
        }
    }
}

TEST(ApplyTest, FireCountsGiveTheirClassByte) {
    SettingsRecord record{};
    record.buttonFunction[0][0] = static_cast<std::uint8_t>(ButtonFunction::FireKey);
    record.fireKeyCode[0][0] = 0x04;
    for (const auto& [count, entryClass] :
         {std::pair<int, int>{1, 0x81}, {0, 0x80}, {5, 0x85}, {127, 0xFF}, {128, 0x00}}) {
        record.fireCount[0][0] = static_cast<std::uint8_t>(count);
        EXPECT_EQ(ButtonEntryOf(record, 0, 0), (ButtonEntry{0x04, std::uint8_t(entryClass)}))
            << count;
    }
}

TEST(ApplyTest, AbsentMouseLeavesTheImageZeroBeyondWhatApplyWrites) {
    SettingsRecord record{};
    DeviceImage image{};
    PatchDeviceImage(record, 0, image);
    // Layer 0 is all LeftClick: F0 00 in every real slot, and the disabled
    // stages' codes (index 0 of sensor 0) carry bit 7.
    EXPECT_EQ(image.page3.buttonTable0[3], (ButtonEntry{0xF0, 0}));
    EXPECT_EQ(image.page3.buttonTable0[6], (ButtonEntry{0, 0}));
    EXPECT_EQ(image.page4.dpiCode[0], 0x81);
    EXPECT_EQ(image.page4.consumerTable[0].low, 0);
}

TEST(ApplySettingsTest, WritesThenSavesBothFilesWhateverTheWriteDid) {
    SettingsState state;
    testing::FakeFileStore files;
    testing::FakeIniStore ini;
    testing::FakeSystemFacts facts;
    testing::FakeUserMessages messages;
    files.files[L"C:\\Tools\\config.bin"] = std::vector<std::uint8_t>(kConfigFileSize);
    SettingsFiles stored(state, files, ini, facts, L"C:\\Tools\\", L"Setting-EN");
    stored.LoadConfig(FactorySettingsRecord());
    state.records.working = GoldenRecord(kRounds[0]);
    state.sensorType = 0;

    std::optional<std::size_t> filesTouchedBeforeTheWrite;
    std::optional<DeviceImage> written;
    KeyLabels labels;
    labels[1][2] = L"HotKey-Ctrl+C";
    const ApplyResult applied = ApplySettings(
        state,
        [&] {
            filesTouchedBeforeTheWrite = files.replaceCalls + ini.writes.size();
            written = state.image;
            messages.Show(MessageKind::NotDetected, Caption::WriteOperation, 0);  // mouse absent
            return false;
        },
        stored, labels);

    ASSERT_TRUE(written);
    EXPECT_EQ(written->page3.buttonTable0[3], (ButtonEntry{0xF3, 0}));
    EXPECT_EQ(written->page4.dpiCode[2], 0xA8);
    ASSERT_EQ(files.replaceCalls, 1);
    EXPECT_EQ(files.files[L"C:\\Tools\\config.bin"][0], 1);
    EXPECT_EQ(files.files[L"C:\\Tools\\config.bin"][1 + offsetof(SettingsRecord, fireMakeTime)],
              12);
    EXPECT_EQ(ini.writes.size(), 16u);
    EXPECT_EQ(ini.Value(L"C:\\Tools\\str.ini", L"Setting-EN", L"Item33"), L"HotKey-Ctrl+C");
    // The mouse is written first, then both files.
    EXPECT_EQ(filesTouchedBeforeTheWrite, std::optional<std::size_t>{0});
    EXPECT_FALSE(applied.mouseWritten);
    EXPECT_EQ(applied.config, SaveResult::Done());
    EXPECT_EQ(applied.labels, SaveResult::Done());
}

}  // namespace
}  // namespace corvane
