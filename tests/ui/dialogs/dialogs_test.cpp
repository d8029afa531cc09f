// The seven dialogs through the recording host: what each shows, what each
// returns, and the fire key dialog's number boxes.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "ui/dialogs/dialog_fixture.h"
#include "ui/dialogs/dialog_layout.h"
#include "ui/dialogs/fire_key_dialog.h"
#include "ui/dialogs/single_dialog.h"

namespace corvane::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

constexpr int kTimes = 573;
constexpr int kMake = 574;
constexpr int kBreak = 575;

// ------------------------------------------------------------ choice lists

struct ListCase {
    DialogKind kind;
    std::uint8_t sensorType;
    int items;
    const wchar_t* first;
    int pick;
    const wchar_t* picked;
};

class ChoiceListTest : public DialogTest, public ::testing::WithParamInterface<ListCase> {};

TEST_P(ChoiceListTest, DefaultIsTheFirstEntryAndAPickIsReturnedWithItsIndex) {
    const ListCase& c = GetParam();
    Open(c.kind, DialogInputs{c.sensorType, 1033});
    EXPECT_EQ(dialog->choiceText(), c.first);
    ClickDropdown();
    ASSERT_EQ(host.lists[ListId()].items.size(), static_cast<std::size_t>(c.items));
    Pick(c.pick);
    dialog->OnLButtonDown(Inside(Layout().accept));
    const DialogOutcome outcome = dialog->Outcome();
    EXPECT_EQ(outcome.result, kDialogAccepted);
    EXPECT_EQ(outcome.choiceIndex, c.pick);
    EXPECT_EQ(outcome.choiceText, c.picked);
}

INSTANTIATE_TEST_SUITE_P(Dialogs, ChoiceListTest,
                         ::testing::Values(ListCase{DialogKind::HotKey, 0, 8, L"Copy", 7, L"Undo"},
                                           ListCase{DialogKind::Media, 0, 7, L"Next", 6, L"Vol-"},
                                           ListCase{DialogKind::Windows, 0, 9, L"Multimedia Player",
                                                    8, L"Browser-Refresh"},
                                           ListCase{DialogKind::Snipe, 0, 12, L"250", 11, L"4000"},
                                           ListCase{DialogKind::Snipe, 1, 8, L"600", 7, L"3200"},
                                           ListCase{DialogKind::Snipe, 3, 8, L"400", 1, L"800"},
                                           ListCase{DialogKind::FireKey, 0, 59, L"L-Button", 44,
                                                    L"R-CTRL"}));

TEST_F(DialogTest, ChineseSystemsGetChineseNamesAndEveryOtherEnglish) {
    Open(DialogKind::HotKey, DialogInputs{0, 2052});
    EXPECT_EQ(dialog->choiceText(), L"复制");
    Open(DialogKind::Windows, DialogInputs{0, 2052});
    ClickDropdown();
    EXPECT_EQ(host.lists[533].items.back(), L"浏览器-刷新");
    Open(DialogKind::Media, DialogInputs{0, 1028});
    EXPECT_EQ(dialog->choiceText(), L"Next") << "no Traditional Chinese texts";
}

TEST_F(DialogTest, SnipeWithAnUnknownSensorHasAnEmptyListAndText) {
    Open(DialogKind::Snipe, DialogInputs{7, 1033});
    EXPECT_EQ(dialog->choiceText(), L"");
    ClickDropdown();
    EXPECT_THAT(host.calls, ElementsAre("create 560 49,143,177,283 0"));
    dialog->OnEnter();
    EXPECT_EQ(dialog->Outcome().choiceText, L"");
}

TEST_F(DialogTest, EveryOpeningStartsFromTheDefaults) {
    Open(DialogKind::Media);
    ClickDropdown();
    Pick(4);
    dialog->OnEnter();
    Open(DialogKind::Media);
    EXPECT_EQ(dialog->choiceIndex(), 0);
    EXPECT_EQ(dialog->choiceText(), L"Next");
}

TEST_F(DialogTest, TheFactoryMakesEachKindWithItsOwnLayout) {
    for (int k = 0; k < kDialogKindCount; ++k) {
        const auto kind = static_cast<DialogKind>(k);
        Open(kind);
        EXPECT_EQ(dialog->kind(), kind);
        EXPECT_EQ(&dialog->layout(), static_cast<const DialogFrameLayout*>(&LayoutOf(kind)));
        EXPECT_EQ(&dialog->flags(), &flags.Of(kind));
    }
}

TEST_F(DialogTest, KeysRecoverAnswersOkWithOneAndReturnOrCloseWithTwo) {
    Open(DialogKind::KeysRecover);
    dialog->OnLButtonDown({36, 159});
    EXPECT_EQ(dialog->Outcome().result, kDialogAccepted);
    Open(DialogKind::KeysRecover);
    dialog->OnLButtonDown({268, 187});
    EXPECT_EQ(dialog->Outcome().result, kDialogCancelled);
    Open(DialogKind::KeysRecover);
    dialog->OnLButtonDown({265, 0});
    EXPECT_EQ(dialog->Outcome().result, kDialogCancelled);
    Open(DialogKind::KeysRecover);
    dialog->OnLButtonDown({297, 10});
    EXPECT_FALSE(dialog->ended()) << "right of the close box";
}

// --------------------------------------------------------------- fire key

TEST_F(DialogTest, FireKeyOpensItsThreeBoxesAndPaintsItsTexts) {
    host = FakeDialogHost{};
    dialog = MakeDialog(DialogKind::FireKey, DialogParts{host, messages, flags, versionWord},
                        DialogInputs{0, 1033});
    dialog->OnInitDialog();
    EXPECT_THAT(host.CallsOf("box"),
                ElementsAre("box 573 106,115,225,137 '1'", "box 574 106,154,225,176 '5'",
                            "box 575 106,191,225,213 '5'"));
    host.Clear();
    dialog->OnEraseBackground();
    EXPECT_THAT(
        host.CallsOf("text"),
        ElementsAre("text 'L-Button' 102,70,202,99 centred", "text 'Times' 16,115,96,137 right",
                    "text 'Make Time' 16,154,96,176 right", "text 'Break Time' 16,191,96,213 right",
                    "text 'Time(value range 5-255)' 6,217,456,243 left",
                    "text 'Times(value range 0-127,0 indicates fire key to end when it's "
                    "released)' 6,233,456,259 left"));
}

TEST_F(DialogTest, FireKeyTextsInChinese) {
    Open(DialogKind::FireKey, DialogInputs{0, 2052});
    dialog->OnEraseBackground();
    const auto texts = host.CallsOf("text");
    ASSERT_EQ(texts.size(), 6u);
    EXPECT_EQ(texts[1], "text '次数' 16,115,96,137 right");
    EXPECT_EQ(texts[5], "text '次数(数值范围0-127，0表示按键放开火力键结束)' 6,233,456,259 left");
}

TEST_F(DialogTest, FireKeyAcceptedUnchangedIsLButtonOnceFiveFive) {
    Open(DialogKind::FireKey);
    dialog->OnLButtonDown(Inside(Layout().accept));
    const DialogOutcome outcome = dialog->Outcome();
    EXPECT_EQ(outcome.result, kDialogAccepted);
    EXPECT_EQ(outcome.choiceIndex, 0);
    EXPECT_EQ(outcome.choiceText, L"L-Button");
    EXPECT_EQ(outcome.fireTimes, 1);
    EXPECT_EQ(outcome.fireMakeTime, 5);
    EXPECT_EQ(outcome.fireBreakTime, 5);
}

TEST_F(DialogTest, TimesIsCheckedOnEveryChange) {
    Open(DialogKind::FireKey);
    auto& fire = As<CFireKeyDialog>();
    Type(kTimes, L"");
    EXPECT_EQ(fire.value(0), 0) << "an empty box repeats until release";
    EXPECT_EQ(host.numberBoxes[kTimes], L"") << "without a reset";
    Type(kTimes, L"127");
    EXPECT_EQ(fire.value(0), 127);
    host.Clear();
    Type(kTimes, L"200");
    EXPECT_THAT(host.calls, ElementsAre("set 573 '1'", "repaint 573"));
    EXPECT_EQ(fire.value(0), 1);
    EXPECT_EQ(fire.text(0), L"1");
    Type(kTimes, L"-3");
    EXPECT_EQ(host.numberBoxes[kTimes], L"1");
}

TEST_F(DialogTest, MakeAndBreakAreCheckedWhenTheBoxIsLeft) {
    Open(DialogKind::FireKey);
    auto& fire = As<CFireKeyDialog>();
    host.Clear();
    Type(kMake, L"3");
    EXPECT_THAT(host.calls, ElementsAre("repaint 574")) << "a change only repaints";
    EXPECT_EQ(fire.value(1), 5);
    Leave(kMake);
    EXPECT_EQ(host.numberBoxes[kMake], L"5");
    EXPECT_EQ(fire.value(1), 5);
    Type(kMake, L"30");
    Leave(kMake);
    EXPECT_EQ(host.numberBoxes[kMake], L"30");
    EXPECT_EQ(fire.value(1), 30);
    Type(kBreak, L"256");
    Leave(kBreak);
    EXPECT_EQ(host.numberBoxes[kBreak], L"5");
    Type(kBreak, L"255");
    Leave(kBreak);
    dialog->OnEnter();
    EXPECT_EQ(dialog->Outcome().fireMakeTime, 30);
    EXPECT_EQ(dialog->Outcome().fireBreakTime, 255);
}

TEST_F(DialogTest, AcceptingReadsNumbersTypedButNotConfirmed) {
    Open(DialogKind::FireKey);
    Type(kMake, L"30");
    Type(kBreak, L"2");
    dialog->OnLButtonDown(Inside(Layout().accept));
    const DialogOutcome outcome = dialog->Outcome();
    EXPECT_EQ(outcome.fireMakeTime, 30);
    EXPECT_EQ(outcome.fireBreakTime, 5) << "checked as leaving the box would";
    EXPECT_EQ(host.numberBoxes[kBreak], L"5");
}

TEST_F(DialogTest, WithTheListOpenAtAcceptTheStoredValuesCount) {
    Open(DialogKind::FireKey);
    Type(kTimes, L"3");
    Type(kMake, L"40");
    Leave(kMake);
    Type(kBreak, L"50");  // never confirmed, and the list destroys the box
    ClickDropdown();
    dialog->OnEnter();
    const DialogOutcome outcome = dialog->Outcome();
    EXPECT_EQ(outcome.fireTimes, 3);
    EXPECT_EQ(outcome.fireMakeTime, 40);
    EXPECT_EQ(outcome.fireBreakTime, 5);
}

TEST_F(DialogTest, TheListReplacesTheBoxesAndEveryWayOfClosingItRebuildsThem) {
    Open(DialogKind::FireKey);
    Type(kTimes, L"3");
    Type(kMake, L"30");
    Leave(kMake);
    host.Clear();
    ClickDropdown();
    EXPECT_THAT(host.calls, ElementsAre("unbox 573", "unbox 574", "unbox 575",
                                        "create 572 102,101,230,221 59 scroll"));
    const std::vector<std::string> rebuilt = {"box 573 106,115,225,137 '3'",
                                              "box 574 106,154,225,176 '30'",
                                              "box 575 106,191,225,213 '5'"};
    host.Clear();
    ClickDropdown();  // second click on the box
    EXPECT_EQ(host.CallsOf("box"), rebuilt);
    ClickDropdown();
    host.Clear();
    dialog->OnLButtonDown({300, 150});  // elsewhere
    EXPECT_EQ(host.CallsOf("box"), rebuilt);
    ClickDropdown();
    host.Clear();
    Pick(5);  // a choice
    EXPECT_EQ(host.CallsOf("box"), rebuilt);
    EXPECT_EQ(dialog->choiceText(), L"A");
    host.Clear();
    ClickDropdown();
    ClickDropdown();
    ClickDropdown();
    host.Clear();
    dialog->OnChildNotify(572, ChildEvent::ListSelectionChanged);
    EXPECT_THAT(host.CallsOf("box"), IsEmpty()) << "no choice made: the list stays";
}

TEST_F(DialogTest, TheTypicalEditReturnsKeyAThreeTimes) {
    Open(DialogKind::FireKey);
    ClickDropdown();
    Pick(5);
    Type(kTimes, L"");
    Type(kTimes, L"3");
    dialog->OnLButtonDown(Inside(Layout().accept));
    const DialogOutcome outcome = dialog->Outcome();
    EXPECT_EQ(outcome.function, ButtonFunction::FireKey) << "a choice of its function";
    EXPECT_EQ(outcome.choiceIndex, 5);
    EXPECT_EQ(outcome.choiceText, L"A");
    EXPECT_EQ(outcome.fireTimes, 3);
}

TEST(LeadingNumberTest, ReadsLikeADecimalIntegerAndSaturates) {
    EXPECT_EQ(LeadingNumber(L""), 0);
    EXPECT_EQ(LeadingNumber(L"abc"), 0);
    EXPECT_EQ(LeadingNumber(L"12abc"), 12);
    EXPECT_EQ(LeadingNumber(L" 7"), 7);
    EXPECT_EQ(LeadingNumber(L"-5"), -5);
    EXPECT_EQ(LeadingNumber(L"+9"), 9);
    EXPECT_GT(LeadingNumber(L"99999999999999999999999"), 255);
    EXPECT_LT(LeadingNumber(L"-99999999999999999999999"), 0);
}

// --------------------------------------------------------------- single key

TEST_F(DialogTest, SingleKeyInstallsItsHookAndPaintsThePromptOnly) {
    host = FakeDialogHost{};
    dialog = MakeDialog(DialogKind::SingleKey, DialogParts{host, messages, flags, versionWord},
                        DialogInputs{0, 2052});
    EXPECT_TRUE(dialog->OnInitDialog());
    EXPECT_THAT(host.calls, ElementsAre("font 宋体 13", "background /single-key.png", "hook"));
    host.Clear();
    dialog->OnKeyNotice(L"A", 0x1E, false);
    host.Clear();
    dialog->OnEraseBackground();
    EXPECT_THAT(host.CallsOf("text"), ElementsAre("text '请输入一个按键' 19,92,207,112 centred"));
}

TEST_F(DialogTest, AFailedHookIsReportedWithItsErrorCodeAndTheDialogStillAccepts) {
    host = FakeDialogHost{};
    host.hookResult = {false, 1428};
    dialog = MakeDialog(DialogKind::SingleKey, DialogParts{host, messages, flags, versionWord},
                        DialogInputs{0, 1033});
    EXPECT_FALSE(dialog->OnInitDialog());
    EXPECT_THAT(messages.shown,
                ElementsAre(ShownMessage{MessageKind::HookInstallError, Caption::None, 1428}));
    dialog->OnEnter();
    EXPECT_EQ(dialog->Outcome().result, kDialogAccepted);
    EXPECT_EQ(dialog->Outcome().choiceText, L"");
}

TEST_F(DialogTest, EveryKeyEventShowsItsNameAndTheLastOneIsReturnedWithItsPosition) {
    Open(DialogKind::SingleKey);
    dialog->OnKeyNotice(L"Num Lock", 0x45, true);
    EXPECT_THAT(host.calls, ElementsAre("pass", "image /DropdownBox-normal.png 49,112",
                                        "text 'Num Lock' 49,112,177,141 centred", "present"));
    dialog->OnKeyNotice(L"Return", 0x1C, false);
    dialog->OnEnter();
    const DialogOutcome outcome = dialog->Outcome();
    EXPECT_EQ(outcome.function, ButtonFunction::SingleKey);
    EXPECT_EQ(outcome.choiceText, L"Return");
    EXPECT_EQ(outcome.key.scanCode, 0x1C);
    EXPECT_FALSE(outcome.key.extended);
}

TEST_F(DialogTest, AKeyNameLongerThan31CharactersShowsItsFirst31) {
    Open(DialogKind::SingleKey);
    const std::wstring name = L"ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    dialog->OnKeyNotice(name, 0x10, false);
    EXPECT_EQ(As<CSingleDialog>().keyText(), name.substr(0, 31));
}

TEST_F(DialogTest, AcceptingWithoutAKeyReturnsAnEmptyNameAndNoPosition) {
    Open(DialogKind::SingleKey);
    dialog->OnLButtonDown(Inside(Layout().accept));
    const DialogOutcome outcome = dialog->Outcome();
    EXPECT_EQ(outcome.result, kDialogAccepted);
    EXPECT_EQ(outcome.choiceText, L"");
    EXPECT_EQ(outcome.key.scanCode, 0);
}

TEST_F(DialogTest, SingleKeySwallowsEnterEscapeAndTheWindowsKeysOnly) {
    Open(DialogKind::SingleKey);
    using Kind = DialogFilterMessage::Kind;
    EXPECT_TRUE(dialog->PreFilter({Kind::KeyDown, Key::Enter, {}}));
    EXPECT_TRUE(dialog->PreFilter({Kind::KeyDown, Key::Escape, {}}));
    EXPECT_TRUE(dialog->PreFilter({Kind::KeyDown, Key::LeftSuper, {}}));
    EXPECT_TRUE(dialog->PreFilter({Kind::Other, Key::RightSuper, {}}))
        << "key-up of the right Windows key";
    EXPECT_FALSE(dialog->PreFilter({Kind::Other, Key::Enter, {}})) << "Enter's key-up goes on";
    EXPECT_FALSE(dialog->PreFilter({Kind::KeyDown, Key::Other, {}}));
    EXPECT_TRUE(dialog->OnHelpRequest());
    EXPECT_FALSE(dialog->ended());

    Open(DialogKind::Media);
    EXPECT_FALSE(dialog->PreFilter({Kind::KeyDown, Key::Enter, {}})) << "other dialogs take Enter";
    EXPECT_FALSE(dialog->OnHelpRequest());
}

TEST(DialogOfFunction, SixFunctionsOpenTheirDialog) {
    EXPECT_EQ(DialogOfFunction(6), DialogKind::Windows);
    EXPECT_EQ(DialogOfFunction(7), DialogKind::Media);
    EXPECT_EQ(DialogOfFunction(8), DialogKind::HotKey);
    EXPECT_EQ(DialogOfFunction(9), DialogKind::FireKey);
    EXPECT_EQ(DialogOfFunction(10), DialogKind::SingleKey);
    EXPECT_EQ(DialogOfFunction(11), DialogKind::Snipe);
    for (int function : {-1, 0, 5, 12, 13, 14, 255}) {
        EXPECT_FALSE(DialogOfFunction(function).has_value()) << function;
    }
    // ... and each dialog's choice is of the function that opens it.
    for (int function = 6; function <= 11; ++function) {
        EXPECT_EQ(FunctionOfDialog(*DialogOfFunction(function)),
                  static_cast<ButtonFunction>(function));
    }
    EXPECT_FALSE(FunctionOfDialog(DialogKind::KeysRecover).has_value());
}

TEST(DialogTextsTest, FireKeyAndSingleKeyDialogTexts) {
    const auto zh = DialogLanguage::Chinese;
    const auto en = DialogLanguage::English;
    EXPECT_EQ(kFireTimesText.In(zh), L"次数");
    EXPECT_EQ(kFireTimesText.In(en), L"Times");
    EXPECT_EQ(kFireMakeText.In(zh), L"按下时间");
    EXPECT_EQ(kFireMakeText.In(en), L"Make Time");
    EXPECT_EQ(kFireBreakText.In(zh), L"弹起时间");
    EXPECT_EQ(kFireBreakText.In(en), L"Break Time");
    EXPECT_EQ(kFireTimeNoteText.In(zh), L"时间(数值范围5-255)");
    EXPECT_EQ(kFireTimeNoteText.In(en), L"Time(value range 5-255)");
    EXPECT_EQ(kFireTimesNoteText.In(zh),
              L"次数(数值范围0-127\xFF0C"
              L"0表示按键放开火力键结束)");
    EXPECT_EQ(kFireTimesNoteText.In(en),
              L"Times(value range 0-127,0 indicates fire key to end when it's released)");
    EXPECT_EQ(kSingleKeyPromptText.In(zh), L"请输入一个按键");
    EXPECT_EQ(kSingleKeyPromptText.In(en), L"Please enter a key");
}

}  // namespace
}  // namespace corvane::testing
