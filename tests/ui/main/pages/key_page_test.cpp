// The key page through the window's dispatcher and the recording host: the
// function lists a box opens, the left-click rule, the shift-layer lock, a
// choice with and without its dialog, the Shift coupling and the redraws.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstring>

#include "meaning/key_assignment.h"
#include "ui/main/window_fixture.h"

namespace corvane::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::IsEmpty;

constexpr const char* kEnglishFunctions[] = {
    "Left Click", "Right Click", "Mid Click", "Forward",    "Backward",  "DPI Switch", "Windows",
    "Multimedia", "HotKey",      "Fire Key",  "Single Key", "Snipe Key", "Key Off",    "Shift"};

class KeyPageTest : public WindowTest {
  protected:
    KeyPageTest() {
        // Every button a Right Click: the left-click rule lets every box open.
        std::memset(state.records.working.buttonFunction, 1,
                    sizeof state.records.working.buttonFunction);
        state.records.working.leftRuleLayer = 0;
        for (int layer = 0; layer < 2; ++layer) {
            for (int button = 0; button < 8; ++button) {
                dlg.labels()[layer][button] = L"Right Click";
            }
        }
    }

    void ClickBox(int layer, int button) { dlg.OnLButtonDown(Inside(kKeyBoxes[layer][button])); }
    // Opens the box's list and picks entry `n` as the list would report it.
    void Choose(int layer, int button, int n) {
        ClickBox(layer, button);
        host.lists[KeyListId(layer, button)].selection = n;
        host.Clear();
        dlg.OnListNotify(KeyListId(layer, button), ChildEvent::ListSelectionChanged);
    }
};

// ------------------------------------------------------------ opening lists

TEST_F(KeyPageTest, ANormalLayerBoxOpensAllFourteenFunctionsOnItsListZone) {
    StartOnKeyPage();
    ClickBox(0, 3);
    EXPECT_THAT(host.calls, ElementsAre("create 34 206,174,334,400"));
    EXPECT_THAT(ItemsOf(34), ElementsAreArray(kEnglishFunctions));
    EXPECT_TRUE(dlg.keyListOpen(0, 3));
}

TEST_F(KeyPageTest, AShiftLayerBoxOffersEverythingButShift) {
    StartOnKeyPage();
    ClickBox(1, 0);
    EXPECT_THAT(host.calls, ElementsAre("create 41 523,225,651,435"));
    EXPECT_THAT(ItemsOf(41), ElementsAreArray(kEnglishFunctions, 13));
    host.Clear();
    ClickBox(1, 4);
    EXPECT_THAT(host.calls, ElementsAre("destroy 41", "create 45 394,249,522,459"));
}

TEST_F(KeyPageTest, ASecondClickOnTheBoxClosesItsListAndStoresNothing) {
    StartOnKeyPage();
    ClickBox(0, 2);
    host.lists[33].selection = 4;  // highlighted by the pointer, not chosen
    host.Clear();
    ClickBox(0, 2);
    EXPECT_THAT(host.calls, ElementsAre("destroy 33"));
    EXPECT_FALSE(dlg.keyListOpen(0, 2));
    EXPECT_EQ(record().buttonFunction[0][2], 1);
    host.Clear();
    ClickBox(0, 2);
    EXPECT_THAT(host.calls, ElementsAre("create 33 78,343,206,569")) << "and opens again";
}

TEST_F(KeyPageTest, AnotherBoxClosesTheOpenListAndOpensItsOwn) {
    StartOnKeyPage();
    ClickBox(0, 0);
    host.Clear();
    ClickBox(1, 2);
    EXPECT_THAT(host.calls, ElementsAre("destroy 31", "create 43 523,343,651,553"));
    EXPECT_FALSE(dlg.keyListOpen(0, 0));
    EXPECT_TRUE(dlg.keyListOpen(1, 2));
}

TEST_F(KeyPageTest, AClickInsideTheOpenListsZoneOnAnotherBoxStillMovesTheList) {
    // Box (0, 1) lies inside the zone of (0, 0): the dispatcher keeps list
    // 31, and the box click closes it as the other list.
    StartOnKeyPage();
    ClickBox(0, 0);
    host.Clear();
    ClickBox(0, 1);
    EXPECT_THAT(host.calls, ElementsAre("destroy 31", "create 32 78,284,206,510"));
}

// --------------------------------------------------------- left-click rule

TEST_F(KeyPageTest, TheOnlyLeftClickOfTheRuleLayerCannotBeOpened) {
    record().buttonFunction[0][0] = 0;
    StartOnKeyPage();
    ClickBox(0, 0);
    EXPECT_THAT(host.calls, IsEmpty()) << "no list";
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].kind, MessageKind::LeftRequired);
    EXPECT_EQ(messages.shown[0].caption, Caption::Warning);
    EXPECT_FALSE(dlg.keyListOpen(0, 0));

    record().buttonFunction[0][2] = 0;  // a second Left Click
    ClickBox(0, 0);
    EXPECT_THAT(host.calls, ElementsAre("create 31 78,225,206,451"));
    EXPECT_EQ(messages.shown.size(), 1u);
}

TEST_F(KeyPageTest, ALeftClickOnAButtonWithoutABoxCounts) {
    record().buttonFunction[0][0] = 0;
    record().buttonFunction[0][7] = 0;
    StartOnKeyPage();
    ClickBox(0, 0);
    EXPECT_TRUE(dlg.keyListOpen(0, 0));
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(KeyPageTest, TheRuleLooksAtTheLayerLeftRuleLayerNames) {
    record().leftRuleLayer = 1;
    record().buttonFunction[0][1] = 0;  // the only Left Click of layer 0: no matter
    record().buttonFunction[1][1] = 0;  // the only one of layer 1: refused
    StartOnKeyPage();
    ClickBox(0, 1);
    EXPECT_EQ(messages.shown.size(), 1u);
    EXPECT_FALSE(dlg.keyListOpen(0, 1));

    ClickBox(1, 1);
    EXPECT_TRUE(dlg.keyListOpen(1, 1)) << "no rule in the shift layer";

    record().leftRuleLayer = 2;
    ClickBox(0, 1);
    EXPECT_TRUE(dlg.keyListOpen(0, 1)) << "any other value: no rule";
    EXPECT_EQ(messages.shown.size(), 1u);
}

TEST_F(KeyPageTest, ARefusedBoxStillClosesTheOtherList) {
    record().buttonFunction[0][4] = 0;
    StartOnKeyPage();
    ClickBox(1, 0);
    ClickBox(0, 4);
    EXPECT_FALSE(host.ListExists(41));
    EXPECT_FALSE(dlg.keyListOpen(1, 0));
    EXPECT_EQ(host.Count("create"), 1);
}

// --------------------------------------------------------------- shift lock

TEST_F(KeyPageTest, AButtonThatIsShiftInBothLayersIgnoresItsShiftLayerBox) {
    record().buttonFunction[0][3] = 13;
    record().buttonFunction[1][3] = 13;
    StartOnKeyPage();
    ClickBox(1, 3);
    EXPECT_THAT(host.calls, IsEmpty());
    record().buttonFunction[0][3] = 2;
    ClickBox(1, 3);
    EXPECT_THAT(host.calls, ElementsAre("create 44 394,190,522,400"));
}

// ------------------------------------------------------------------ choices

TEST_F(KeyPageTest, AChoiceStoresTheFunctionClosesTheListAndRedrawsTheBox) {
    StartOnKeyPage();
    Choose(0, 2, 2);
    EXPECT_EQ(record().buttonFunction[0][2], 2);
    EXPECT_EQ(dlg.labels()[0][2], L"Mid Click");
    EXPECT_THAT(host.calls,
                ElementsAre("destroy 33", "pass", "image /DropdownBox-normal.png 78,313",
                            "text 'Mid Click' 83,313,178,342 left page", "present"));
    EXPECT_FALSE(dlg.keyListOpen(0, 2));
    EXPECT_EQ(deviceWrites + files.replaceCalls, 0) << "nothing reaches the mouse before Save";
}

TEST_F(KeyPageTest, ADoubleClickChoosesInTheNormalLayerOnly) {
    StartOnKeyPage();
    ClickBox(1, 1);
    host.lists[42].selection = 5;
    dlg.OnListNotify(42, ChildEvent::ListDoubleClicked);
    EXPECT_EQ(record().buttonFunction[1][1], 1) << "shift-layer double clicks are not handled";
    dlg.OnListNotify(42, ChildEvent::ListSelectionChanged);
    EXPECT_EQ(record().buttonFunction[1][1], 5);

    ClickBox(0, 1);
    host.lists[32].selection = 12;
    dlg.OnListNotify(32, ChildEvent::ListDoubleClicked);
    EXPECT_EQ(record().buttonFunction[0][1], 12);
    EXPECT_EQ(dlg.labels()[0][1], L"Key Off");
}

TEST_F(KeyPageTest, TheNotificationTakesTheFirstListThatExistsWhateverItsId) {
    StartOnKeyPage();
    ClickBox(1, 4);
    host.lists[45].selection = 3;
    dlg.OnListNotify(31, ChildEvent::ListSelectionChanged);
    EXPECT_EQ(record().buttonFunction[1][4], 3);
    EXPECT_FALSE(host.ListExists(45));
    host.Clear();
    dlg.OnListNotify(45, ChildEvent::ListSelectionChanged);
    EXPECT_THAT(host.calls, IsEmpty()) << "no list left";
}

TEST_F(KeyPageTest, ANotificationWithoutASelectionStoresNothingAndLeavesTheListWindow) {
    StartOnKeyPage();
    ClickBox(0, 0);
    host.Clear();
    dlg.OnListNotify(31, ChildEvent::ListSelectionChanged);
    EXPECT_EQ(record().buttonFunction[0][0], 1);
    EXPECT_THAT(host.calls, ElementsAre("pass", "image /DropdownBox-normal.png 78,195",
                                        "text 'Right Click' 83,195,178,224 left page", "present"));
    EXPECT_TRUE(host.ListExists(31)) << "the window stays";
    EXPECT_FALSE(dlg.keyListOpen(0, 0)) << "its flag is cleared";

    // A click on its box opens it again (the window is reused), a click
    // away from it destroys it.
    host.Clear();
    ClickBox(0, 0);
    EXPECT_THAT(host.calls, IsEmpty());
    EXPECT_TRUE(dlg.keyListOpen(0, 0));
    dlg.OnLButtonDown(kEmptySpot);
    EXPECT_FALSE(host.ListExists(31));
}

TEST_F(KeyPageTest, ShiftInTheNormalLayerCopiesToTheShiftLayerAndLocksItsBox) {
    StartOnKeyPage();
    Choose(0, 3, 13);
    EXPECT_THAT(host.calls,
                ElementsAre("destroy 34", "pass", "image /DropdownBox-normal.png 78,371",
                            "text 'Shift' 83,371,178,400 left page",
                            "image /DropdownBox-normal.png 523,371",
                            "text 'Shift' 528,371,623,400 left page", "present"));
    EXPECT_EQ(record().buttonFunction[1][3], 13);
    EXPECT_EQ(dlg.labels()[1][3], L"Shift");

    host.Clear();
    ClickBox(1, 3);
    EXPECT_THAT(host.calls, IsEmpty()) << "Shift in both layers";

    // Another function in the normal layer leaves the shift layer at Shift,
    // and its box opens again.
    Choose(0, 3, 4);
    EXPECT_EQ(record().buttonFunction[1][3], 13);
    EXPECT_EQ(dlg.labels()[1][3], L"Shift");
    EXPECT_EQ(host.Count("image"), 1) << "only the normal-layer box is redrawn";
    host.Clear();
    ClickBox(1, 3);
    EXPECT_THAT(host.calls, ElementsAre("create 44 394,190,522,400"));
}

// ------------------------------------------------------------------ dialogs

TEST_F(KeyPageTest, FireKeyRunsItsDialogWithTheSensorAndLanguageAndStoresItsOutputs) {
    state.sensorType = 2;
    DialogOutcome fire;
    fire.result = kDialogAccepted;
    fire.choiceIndex = 5;
    fire.choiceText = L"A";
    fire.fireTimes = 3;
    fire.fireMakeTime = 20;
    fire.fireBreakTime = 30;
    host.dialogOutcomes.push_back(fire);
    StartOnKeyPage();
    Choose(0, 3, 9);

    EXPECT_THAT(host.calls, ElementsAre("dialog 0", "destroy 34", "pass",
                                        "image /DropdownBox-normal.png 78,371",
                                        "text 'Fire Key-A' 83,371,178,400 left page", "present"));
    ASSERT_EQ(host.dialogInputs.size(), 1u);
    EXPECT_EQ(host.dialogInputs[0].sensorType, 2);
    EXPECT_EQ(host.dialogInputs[0].systemLanguageId, kLangEnglishUs);
    EXPECT_EQ(record().buttonFunction[0][3], 9);
    EXPECT_EQ(record().fireKeyChoice[0][3], 5);
    EXPECT_EQ(record().fireKeyCode[0][3], 0x04);
    EXPECT_EQ(record().fireCount[0][3], 3);
    EXPECT_EQ(record().fireMakeTime, 20);
    EXPECT_EQ(record().fireBreakTime, 30);
}

TEST_F(KeyPageTest, EachDetailFunctionOpensItsOwnDialog) {
    StartOnKeyPage();
    std::vector<std::string> dialogs;
    for (int n = 6; n <= 11; ++n) {
        Choose(1, 0, n);
        dialogs.push_back(host.calls.front());
    }
    // Windows, media, hot key, fire key, single key, snipe.
    EXPECT_THAT(dialogs, ElementsAre("dialog 6", "dialog 3", "dialog 1", "dialog 0", "dialog 4",
                                     "dialog 5"));
    for (int n : {0, 5, 12}) {
        Choose(1, 0, n);
        EXPECT_EQ(host.Count("dialog"), 0) << n;
    }
}

TEST_F(KeyPageTest, ACancelledDialogChangesNothingAndClosesTheListAsAfterAChoice) {
    SettingsRecord& r = record();
    r.buttonFunction[0][1] = 0;
    r.buttonFunction[0][2] = 0;
    r.fireKeyChoice[0][1] = 7;
    r.fireCount[0][1] = 2;
    r.fireMakeTime = 9;
    dlg.labels()[0][1] = L"Left Click";
    const SettingsRecord before = r;
    StartOnKeyPage();
    for (int n = 6; n <= 11; ++n) {
        DialogOutcome cancelled;
        cancelled.result = kDialogCancelled;
        cancelled.choiceIndex = 3;  // whatever the dialog held when closed
        cancelled.choiceText = L"B";
        cancelled.fireTimes = 9;
        host.dialogOutcomes.push_back(cancelled);
        Choose(0, 1, n);
        const std::string dialog =
            "dialog " + std::to_string(static_cast<int>(*DialogOfFunction(n)));
        EXPECT_THAT(
            host.calls,
            ElementsAre(dialog, "destroy 32", "pass", "image /DropdownBox-normal.png 78,254",
                        "text 'Left Click' 83,254,178,283 left page", "present"))
            << "function " << n;
        EXPECT_FALSE(dlg.keyListOpen(0, 1));
        EXPECT_FALSE(host.ListExists(32));
    }
    EXPECT_EQ(std::memcmp(&r, &before, sizeof r), 0);
    EXPECT_EQ(dlg.labels()[0][1], L"Left Click");
}

}  // namespace
}  // namespace corvane::testing
