// Storing a button's function after a choice and its dialog: the fields of
// each function, the label, the low-byte rule, and the shift-layer coupling.
#include "meaning/key_assignment.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstring>

#include "core/language.h"

namespace corvane {
namespace {

constexpr int kFire = static_cast<int>(ButtonFunction::FireKey);
constexpr int kSingle = static_cast<int>(ButtonFunction::SingleKey);
constexpr int kSnipe = static_cast<int>(ButtonFunction::SnipeKey);
constexpr int kShift = static_cast<int>(ButtonFunction::Shift);

ButtonChoice Accepted(int index, std::wstring text) {
    ButtonChoice outcome;
    outcome.choiceIndex = index;
    outcome.choiceText = std::move(text);
    return outcome;
}

bool SameBytes(const SettingsRecord& a, const SettingsRecord& b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

class KeyAssignmentTest : public ::testing::Test {
  protected:
    KeyAssignmentTest() {
        std::memset(&record, 0, sizeof record);
        labels[0][3] = L"Snipe Key";
        labels[1][3] = L"Left Click";
    }
    KeyAssignmentResult Assign(int layer, int button, int function, ButtonChoice outcome,
                               std::uint8_t sensorType = 0) {
        outcome.function = static_cast<ButtonFunction>(function);
        return AssignKeyFunction(record, labels, layer, button, outcome, sensorType, texts);
    }

    SettingsRecord record;
    KeyLabels labels{};
    const LanguageTexts& texts = LanguageTextsFor(kLangEnglishUs);
};

TEST_F(KeyAssignmentTest, FireKeyStoresKeyCodeCountTimesAndLabel) {
    ButtonChoice outcome = Accepted(5, L"A");
    outcome.fireTimes = 3;
    outcome.fireMakeTime = 30;
    outcome.fireBreakTime = 40;
    EXPECT_EQ(Assign(0, 3, kFire, outcome), KeyAssignmentResult::Stored);
    EXPECT_EQ(record.buttonFunction[0][3], kFire);
    EXPECT_EQ(record.fireKeyChoice[0][3], 5);
    EXPECT_EQ(record.fireKeyCode[0][3], 0x04);
    EXPECT_EQ(record.fireCount[0][3], 3);
    EXPECT_EQ(record.fireMakeTime, 30);
    EXPECT_EQ(record.fireBreakTime, 40);
    EXPECT_EQ(labels[0][3], L"Fire Key-A");
    EXPECT_EQ(record.fireCount[1][3], 0) << "only (0, 3)";
}

TEST_F(KeyAssignmentTest, DialogValuesAreStoredAsTheirLowByte) {
    ButtonChoice outcome = Accepted(0x100 + 41, L"L-CTRL");
    outcome.fireTimes = 0x100 + 7;
    outcome.fireMakeTime = 0x1FF;
    outcome.fireBreakTime = -1;
    Assign(1, 2, kFire, outcome);
    EXPECT_EQ(record.fireKeyChoice[1][2], 41);
    EXPECT_EQ(record.fireKeyCode[1][2], 0xE0) << "the code of the stored index";
    EXPECT_EQ(record.fireCount[1][2], 7);
    EXPECT_EQ(record.fireMakeTime, 0xFF);
    EXPECT_EQ(record.fireBreakTime, 0xFF);
}

TEST_F(KeyAssignmentTest, AFireKeyIndexOutsideTheListStoresCodeZero) {
    Assign(0, 1, kFire, Accepted(59, L"?"));
    EXPECT_EQ(record.fireKeyChoice[0][1], 59);
    EXPECT_EQ(record.fireKeyCode[0][1], 0);
}

TEST_F(KeyAssignmentTest, ChoiceFunctionsStoreTheirIndexAndLabel) {
    Assign(0, 0, static_cast<int>(ButtonFunction::WindowsFunction),
           Accepted(8, L"Browser-Refresh"));
    Assign(0, 1, static_cast<int>(ButtonFunction::Multimedia), Accepted(2, L"Volume+"));
    Assign(1, 4, static_cast<int>(ButtonFunction::HotKey), Accepted(7, L"Ctrl+Z"));
    EXPECT_EQ(record.windowsChoice[0][0], 8);
    EXPECT_EQ(record.mediaChoice[0][1], 2);
    EXPECT_EQ(record.hotKeyChoice[1][4], 7);
    EXPECT_THAT(record.buttonFunction[0], ::testing::ElementsAre(6, 7, 0, 0, 0, 0, 0, 0));
    EXPECT_EQ(record.buttonFunction[1][4], 8);
    EXPECT_EQ(labels[0][0], L"Browser-Refresh") << "the choice text alone";
    EXPECT_EQ(labels[0][1], L"Multimedia-Volume+");
    EXPECT_EQ(labels[1][4], L"Ctrl+Z");
}

TEST_F(KeyAssignmentTest, SingleKeyCodeComesFromTheKeyName) {
    Assign(0, 4, kSingle, Accepted(0, L"Num 5"));
    EXPECT_EQ(record.singleKeyCode[0][4], 0x5D);
    EXPECT_EQ(labels[0][4], L"Single Key-Num 5");

    // Accepted without a key press: code 0, the label ends in "-".
    record.singleKeyCode[0][4] = 0x77;
    Assign(0, 4, kSingle, Accepted(0, L""));
    EXPECT_EQ(record.singleKeyCode[0][4], 0);
    EXPECT_EQ(labels[0][4], L"Single Key-");
    Assign(0, 4, kSingle, Accepted(0, L"enter"));
    EXPECT_EQ(record.singleKeyCode[0][4], 0) << "names are case-sensitive";
}

TEST_F(KeyAssignmentTest, SingleKeyCodeComesFromWhereTheCapturedKeySits) {
    // Wine's X11 driver names Num 5 "KP_Begin"; its position is scan code 0x4C.
    ButtonChoice outcome = Accepted(0, L"KP_Begin");
    outcome.key = KeyPosition{0x4C, false};
    Assign(1, 2, kSingle, outcome);
    EXPECT_EQ(record.singleKeyCode[1][2], 0x5D);
    EXPECT_EQ(labels[1][2], L"Single Key-KP_Begin") << "the label shows what the dialog showed";

    outcome = Accepted(0, L"Return");
    outcome.key = KeyPosition{0x1C, true};  // Num Enter, whatever its name
    Assign(1, 2, kSingle, outcome);
    EXPECT_EQ(record.singleKeyCode[1][2], 0x58);
}

TEST_F(KeyAssignmentTest, SnipeStoresTheChoiceAndTheEnabledDpiCodeOfTheSensor) {
    Assign(0, 3, kSnipe, Accepted(8, L"2500"), 0);
    EXPECT_EQ(record.snipeChoice[0][3], 8);
    EXPECT_EQ(record.snipeDpiCode, 0x25);
    EXPECT_EQ(labels[0][3], L"Snipe Key-2500");
    Assign(1, 3, kSnipe, Accepted(0, L"250"), 2);
    EXPECT_EQ(record.snipeDpiCode, 0x02) << "the last snipe sets it for the mouse";
    Assign(1, 3, kSnipe, Accepted(0, L""), 4);
    EXPECT_EQ(record.snipeDpiCode, 0) << "a sensor type outside the table";
    Assign(1, 3, kSnipe, Accepted(12, L""), 0);
    EXPECT_EQ(record.snipeDpiCode, 0) << "an index past the sensor's list";
}

TEST_F(KeyAssignmentTest, PlainFunctionsStoreTheNameAndKeepOtherParameters) {
    record.fireCount[1][3] = 9;
    record.snipeChoice[1][3] = 4;
    const ButtonChoice none;  // not read for these functions
    for (int function : {0, 1, 2, 3, 4, 5, 12}) {
        EXPECT_EQ(Assign(1, 3, function, none), KeyAssignmentResult::Stored);
        EXPECT_EQ(record.buttonFunction[1][3], function);
        EXPECT_EQ(labels[1][3], texts.functionNames[function]);
    }
    EXPECT_EQ(record.fireCount[1][3], 9);
    EXPECT_EQ(record.snipeChoice[1][3], 4);
    EXPECT_EQ(Assign(0, 7, kShift, none), KeyAssignmentResult::Stored) << "buttons 5-7 too";
    EXPECT_EQ(labels[0][7], L"Shift");
}

TEST_F(KeyAssignmentTest, LabelsFollowTheLanguageOfTheTexts) {
    ButtonChoice outcome = Accepted(5, L"A");
    outcome.function = ButtonFunction::FireKey;
    AssignKeyFunction(record, labels, 0, 0, outcome, 0, LanguageTextsFor(kLangSimplifiedChinese));
    outcome.function = ButtonFunction::MidClick;
    AssignKeyFunction(record, labels, 0, 1, outcome, 0, LanguageTextsFor(kLangTraditionalChinese));
    EXPECT_EQ(labels[0][0], L"火力键-A");
    EXPECT_EQ(labels[0][1], L"中鍵");
}

TEST_F(KeyAssignmentTest, OutOfRangeRequestsAreRejectedAndChangeNothing) {
    const SettingsRecord before = record;
    const KeyLabels labelsBefore = labels;
    const ButtonChoice outcome = Accepted(1, L"X");
    EXPECT_EQ(Assign(1, 0, kShift, outcome), KeyAssignmentResult::Rejected)
        << "the shift layer cannot hold Shift";
    EXPECT_EQ(Assign(0, 0, 14, outcome), KeyAssignmentResult::Rejected);
    EXPECT_EQ(Assign(0, 0, -1, outcome), KeyAssignmentResult::Rejected);
    EXPECT_EQ(Assign(0, 8, 1, outcome), KeyAssignmentResult::Rejected);
    EXPECT_EQ(Assign(2, 0, 1, outcome), KeyAssignmentResult::Rejected);
    EXPECT_TRUE(SameBytes(record, before));
    EXPECT_EQ(labels, labelsBefore);
}

TEST_F(KeyAssignmentTest, ShiftInTheNormalLayerCouplesTheShiftLayer) {
    EXPECT_FALSE(CoupleShiftLayer(record, labels, 3));
    EXPECT_EQ(labels[1][3], L"Left Click");
    Assign(0, 3, kShift, ButtonChoice{});
    EXPECT_TRUE(CoupleShiftLayer(record, labels, 3));
    EXPECT_EQ(record.buttonFunction[1][3], kShift);
    EXPECT_EQ(labels[1][3], L"Shift");
    EXPECT_FALSE(CoupleShiftLayer(record, labels, 8));
}

}  // namespace
}  // namespace corvane
