// A button's entry read back: every choice the dialogs and corvanectl can
// make, stored as the window stores it, encodes to an entry that decodes to
// the same setting; the entries two choices share read as the function the
// window's list names; and the DPI codes of every sensor read back as their
// list entry.
#include "meaning/button_functions.h"

#include <gtest/gtest.h>

#include <vector>

#include "core/language.h"
#include "meaning/choice_lists.h"
#include "meaning/key_assignment.h"
#include "meaning/key_names.h"
#include "settings/dpi_table.h"

namespace corvane {
namespace {

ButtonChoice Choice(ButtonFunction function, int index = 0, std::wstring text = L"") {
    ButtonChoice choice;
    choice.function = function;
    choice.choiceIndex = index;
    choice.choiceText = std::move(text);
    return choice;
}

// Every choice of the function lists and dialogs, with the values the
// dialogs' boxes and corvanectl's options allow at both ends.
std::vector<ButtonChoice> EveryChoice() {
    std::vector<ButtonChoice> choices;
    for (const ButtonFunction plain :
         {ButtonFunction::LeftClick, ButtonFunction::RightClick, ButtonFunction::MidClick,
          ButtonFunction::Forward, ButtonFunction::Backward, ButtonFunction::DpiSwitch,
          ButtonFunction::KeyOff, ButtonFunction::Shift}) {
        choices.push_back(Choice(plain));
    }
    for (int i = 0; i < static_cast<int>(kWindowsChoiceCount); ++i) {
        choices.push_back(Choice(ButtonFunction::WindowsFunction, i));
    }
    for (int i = 0; i < static_cast<int>(kMediaChoiceCount); ++i) {
        choices.push_back(Choice(ButtonFunction::Multimedia, i));
    }
    for (int i = 0; i < static_cast<int>(kHotKeyChoiceCount); ++i) {
        choices.push_back(Choice(ButtonFunction::HotKey, i));
    }
    for (int i = 0; i < static_cast<int>(kFireKeyCount); ++i) {
        for (int times = kFireTimesRule.minimum; times <= kFireTimesRule.maximum; ++times) {
            ButtonChoice fire =
                Choice(ButtonFunction::FireKey, i, std::wstring(FireKeys()[i].text));
            fire.fireTimes = times;
            fire.fireMakeTime = kFireMakeRule.maximum;
            fire.fireBreakTime = kFireBreakRule.minimum;
            choices.push_back(fire);
        }
    }
    for (const KeyName& key : KeyNames()) {
        choices.push_back(Choice(ButtonFunction::SingleKey, 0, std::wstring(key.name)));
    }
    for (std::uint8_t sensor = 0; sensor < kSensorTypeCount; ++sensor) {
        for (int i = 0; i < static_cast<int>(SnipeChoicesOf(sensor).size()); ++i) {
            choices.push_back(Choice(ButtonFunction::SnipeKey, i));
        }
    }
    return choices;
}

// What the mouse holds for a choice stored as the window stores it.
ButtonSetting Stored(const ButtonChoice& choice, SettingsRecord& record) {
    KeyLabels labels{};
    EXPECT_EQ(AssignKeyFunction(record, labels, 0, 3, choice, 0, LanguageTextsFor(kLangEnglishUs)),
              KeyAssignmentResult::Stored);
    return ButtonSettingOf(record, 0, 3);
}

std::string Describe(const ButtonSetting& s) {
    return std::string(FunctionName(s.function)) + " " + std::to_string(s.parameter) + " " +
           std::to_string(s.fireCount);
}

TEST(ButtonEntriesTest, EveryChoiceReadsBackAsWhatWroteIt) {
    int aliases = 0;
    for (const ButtonChoice& choice : EveryChoice()) {
        SettingsRecord record{};
        const ButtonSetting setting = Stored(choice, record);
        const ButtonEntry entry = ButtonEntryOf(record, 0, 3);
        const std::optional<ButtonSetting> read = DecodeButton(entry);
        ASSERT_TRUE(read) << Describe(setting);
        EXPECT_EQ(EncodeButton(*read), entry) << Describe(setting);
        if (*read == setting) {
            continue;
        }
        // Only single keys may share their entry, with the function that
        // the window's list names for it.
        ++aliases;
        ASSERT_EQ(setting.function, ButtonFunction::SingleKey) << Describe(setting);
        EXPECT_NE(read->function, ButtonFunction::SingleKey) << Describe(setting);
    }
    EXPECT_EQ(aliases, 3) << "L-Button, R-Button and M-Button";
}

TEST(ButtonEntriesTest, SharedEntriesReadAsTheFunctionTheWindowNames) {
    const struct {
        ButtonEntry entry;
        ButtonFunction function;
    } cases[] = {
        {{0x00, 0x00}, ButtonFunction::KeyOff},      // also a single key of code 0
        {{0xF0, 0x00}, ButtonFunction::LeftClick},   // also the single key "L-Button"
        {{0xF1, 0x00}, ButtonFunction::RightClick},  // "R-Button"
        {{0xF2, 0x00}, ButtonFunction::MidClick},    // "M-Button"
        {{0xF3, 0x00}, ButtonFunction::Backward},   {{0xF4, 0x00}, ButtonFunction::Forward},
    };
    for (const auto& c : cases) {
        const auto read = DecodeButton(c.entry);
        ASSERT_TRUE(read) << int(c.entry.code);
        EXPECT_EQ(*read, (ButtonSetting{c.function, 0, 0})) << int(c.entry.code);
    }
    // A single key accepted without a key press is stored as code 0: the
    // mouse then holds Key Off.
    SettingsRecord record{};
    const ButtonSetting noKey = Stored(Choice(ButtonFunction::SingleKey), record);
    EXPECT_EQ(noKey, (ButtonSetting{ButtonFunction::SingleKey, 0, 0}));
    EXPECT_EQ(DecodeButton(EncodeButton(noKey))->function, ButtonFunction::KeyOff);
}

TEST(ButtonEntriesTest, TheCombinedTableAndFireCountsAtTheirEnds) {
    EXPECT_EQ(DecodeButton({6, 2}), (ButtonSetting{ButtonFunction::Multimedia, 6, 0}));
    EXPECT_EQ(DecodeButton({7, 2}), (ButtonSetting{ButtonFunction::WindowsFunction, 0, 0}));
    EXPECT_EQ(DecodeButton({15, 2}), (ButtonSetting{ButtonFunction::WindowsFunction, 8, 0}));
    EXPECT_EQ(DecodeButton({16, 2}), (ButtonSetting{ButtonFunction::HotKey, 0, 0}));
    EXPECT_EQ(DecodeButton({23, 2}), (ButtonSetting{ButtonFunction::HotKey, 7, 0}));
    EXPECT_EQ(DecodeButton({0x45, 0x80}), (ButtonSetting{ButtonFunction::FireKey, 0x45, 0}));
    EXPECT_EQ(DecodeButton({0xF0, 0xFF}), (ButtonSetting{ButtonFunction::FireKey, 0xF0, 127}));
    // What no function writes.
    for (const ButtonEntry unknown : {ButtonEntry{24, 2}, ButtonEntry{0xFF, 2}, ButtonEntry{0, 1},
                                      ButtonEntry{0, 3}, ButtonEntry{7, 3}, ButtonEntry{5, 0x7F}}) {
        EXPECT_FALSE(DecodeButton(unknown)) << int(unknown.code) << ' ' << int(unknown.entryClass);
    }
}

TEST(ButtonEntriesTest, EveryEntryThatReadsEncodesBackToItself) {
    int read = 0;
    for (int code = 0; code < 256; ++code) {
        for (int entryClass = 0; entryClass < 256; ++entryClass) {
            const ButtonEntry entry{static_cast<std::uint8_t>(code),
                                    static_cast<std::uint8_t>(entryClass)};
            if (const auto setting = DecodeButton(entry)) {
                ASSERT_EQ(EncodeButton(*setting), entry) << code << ' ' << entryClass;
                ++read;
            }
        }
    }
    // Class 0: 256 codes; class 2: 24; class 3: three; classes 0x80-0xFF: all.
    EXPECT_EQ(read, 256 + 24 + 3 + 128 * 256);
}

TEST(ButtonEntriesTest, SnipeAndStageCodesOfEverySensorReadBackAsTheirEntry) {
    for (std::uint8_t sensor = 0; sensor < kSensorTypeCount; ++sensor) {
        const int count = static_cast<int>(DpiChoicesOf(sensor).size());
        for (int i = 0; i < count; ++i) {
            const std::uint8_t snipe = SnipeDpiCodeOf(sensor, i);
            EXPECT_EQ(DpiIndexOfCode(sensor, snipe), i) << int(sensor) << ' ' << i;
            EXPECT_TRUE(DpiCodeEnabled(snipe));
            const std::uint8_t off = DpiCode(sensor, i, 0);
            EXPECT_EQ(DpiIndexOfCode(sensor, off), i) << int(sensor) << ' ' << i;
            EXPECT_FALSE(DpiCodeEnabled(off));
        }
    }
    EXPECT_FALSE(DpiIndexOfCode(0, 0x09)) << "not in the list of sensor 0";
    EXPECT_FALSE(DpiIndexOfCode(4, 0x01)) << "no such sensor";
}

TEST(ButtonNamesTest, EveryFunctionAndLayerByItsName) {
    for (int n = 0; n < kButtonFunctionCount; ++n) {
        const auto function = static_cast<ButtonFunction>(n);
        EXPECT_EQ(FunctionOfName(FunctionName(function)), function) << n;
    }
    EXPECT_EQ(FunctionName(ButtonFunction::FireKey), "fire-key");
    EXPECT_FALSE(FunctionOfName("Fire Key"));
    EXPECT_EQ(LayerOfName("shift"), kShiftLayer);
    EXPECT_EQ(LayerName(kNormalLayer), "normal");
    EXPECT_FALSE(LayerName(2));
}

}  // namespace
}  // namespace corvane
