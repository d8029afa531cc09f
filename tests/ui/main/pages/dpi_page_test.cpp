// The DPI page through the window's dispatcher and the recording host: the
// list of a stage box by sensor type, toggling, a choice, and what Save
// sends for it.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "settings/dpi_table.h"
#include "ui/main/window_fixture.h"

namespace corvane::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

class DpiPageTest : public WindowTest {
  protected:
    void ClickStage(int stage) { dlg.OnLButtonDown(Inside(kDpiStageBoxes[stage])); }
};

TEST_F(DpiPageTest, SensorType0OpensTwelveValuesRightOfTheBox) {
    ShowPage(kDpiPage);
    ClickStage(0);
    EXPECT_THAT(host.calls, ElementsAre("create 51 626,72,706,267"));
    EXPECT_THAT(ItemsOf(51), ElementsAre("250", "500", "750", "1000", "1250", "1500", "1750",
                                         "2000", "2500", "3000", "3500", "4000"));
    EXPECT_TRUE(dlg.dpiListOpen(0));
}

TEST_F(DpiPageTest, SensorTypes1To3OpenEightValuesBelowTheBox) {
    state.sensorType = 1;
    ShowPage(kDpiPage);
    ClickStage(1);
    EXPECT_THAT(host.calls, ElementsAre("create 52 498,383,626,523"));
    EXPECT_THAT(ItemsOf(52),
                ElementsAre("600", "800", "1000", "1200", "1600", "2000", "2400", "3200"));
    state.sensorType = 3;
    host.Clear();
    ClickStage(2);
    EXPECT_THAT(host.calls, ElementsAre("destroy 52", "create 53 498,498,626,638"));
    EXPECT_EQ(ItemsOf(53).front(), "400");
}

TEST_F(DpiPageTest, AnUnknownSensorTypeOpensNoListAndShowsEmptyTexts) {
    state.sensorType = 4;
    record().dpiLevel[0] = 1;
    ShowPage(kDpiPage);
    EXPECT_EQ(dlg.dpiText(0), L"");
    ClickStage(0);
    ClickStage(0);
    EXPECT_THAT(host.calls, IsEmpty());
    EXPECT_FALSE(dlg.dpiListOpen(0));
}

TEST_F(DpiPageTest, ABoxTogglesItsListAndAnotherBoxTakesOver) {
    ShowPage(kDpiPage);
    ClickStage(0);
    ClickStage(0);
    EXPECT_THAT(host.calls, ElementsAre("create 51 626,72,706,267", "destroy 51"));
    EXPECT_FALSE(dlg.dpiListOpen(0));
    host.Clear();
    ClickStage(0);
    ClickStage(1);
    // Box 2 lies away from list 1's box and zone: the dispatcher closes it.
    EXPECT_THAT(host.calls,
                ElementsAre("create 51 626,72,706,267", "destroy 51", "create 52 626,187,706,382"));
    EXPECT_FALSE(dlg.dpiListOpen(0));
    EXPECT_TRUE(dlg.dpiListOpen(1));
}

TEST_F(DpiPageTest, AChoiceStoresTheIndexRedrawsTheBoxAndSaveSendsItsCode) {
    ShowPage(kDpiPage);
    ClickStage(0);
    host.lists[51].selection = 8;
    host.Clear();
    dlg.OnListNotify(51, ChildEvent::ListSelectionChanged);
    EXPECT_THAT(host.calls,
                ElementsAre("pass", "image /DropdownBox-normal.png 498,238",
                            "text '2500' 498,238,598,267 centred page", "destroy 51", "present"));
    EXPECT_EQ(record().dpiLevel[0], 8);
    EXPECT_EQ(dlg.dpiText(0), L"2500");
    EXPECT_FALSE(dlg.dpiListOpen(0));

    record().dpiStageOn[0] = 1;
    record().dpiStageOn[2] = 0;
    record().dpiLevel[2] = 8;
    dlg.Save();
    EXPECT_EQ(state.image.page4.dpiCode[0], 0x25);
    EXPECT_EQ(state.image.page4.dpiCode[2], 0xA5) << "a disabled stage";

    host.Clear();
    ClickStage(0);
    EXPECT_THAT(host.calls, ElementsAre("create 51 626,72,706,267")) << "opens again";
}

TEST_F(DpiPageTest, ANotificationWithoutASelectionChangesAndDrawsNothing) {
    ShowPage(kDpiPage);
    record().dpiLevel[1] = 2;
    ClickStage(1);
    host.Clear();
    dlg.OnListNotify(52, ChildEvent::ListSelectionChanged);
    EXPECT_THAT(host.calls, IsEmpty());
    EXPECT_EQ(record().dpiLevel[1], 2);
    EXPECT_TRUE(host.ListExists(52));
}

TEST_F(DpiPageTest, NotificationIdRanges) {
    ShowPage(kDpiPage);
    ClickStage(2);
    host.lists[53].selection = 1;
    dlg.OnListNotify(55, ChildEvent::ListSelectionChanged);
    EXPECT_TRUE(host.ListExists(53)) << "55 reports no selection change here";
    dlg.OnListNotify(58, ChildEvent::ListDoubleClicked);
    EXPECT_FALSE(host.ListExists(53)) << "a double click from 51-58 is a choice";
    EXPECT_EQ(record().dpiLevel[2], 1);
}

TEST_F(DpiPageTest, DefaultThenTheDpiPageShowsTheDefaultStagesOfTheSensor) {
    state.sensorType = 1;
    host.dialogResult = kDialogAccepted;
    StartOnKeyPage();
    dlg.OnLButtonDown(Inside(kDefaultButton));
    dlg.ShowDpiPage();
    EXPECT_EQ(dlg.dpiText(0), L"800");
    EXPECT_EQ(dlg.dpiText(1), L"1200");
    EXPECT_EQ(dlg.dpiText(2), L"2400");
}

TEST_F(DpiPageTest, AStoredIndexPastTheListShowsAnEmptyBox) {
    state.sensorType = 2;
    record().dpiLevel[0] = 8;  // type 2 has 8 entries
    record().dpiLevel[1] = 255;
    ShowPage(kDpiPage);
    EXPECT_EQ(dlg.dpiText(0), L"");
    EXPECT_EQ(dlg.dpiText(1), L"");
}

TEST_F(DpiPageTest, LeavingThePageClosesItsList) {
    ShowPage(kDpiPage);
    ClickStage(1);
    host.Clear();
    dlg.OnLButtonDown(Inside(kLedTab));
    EXPECT_EQ(host.calls.front(), "destroy 52");
    EXPECT_FALSE(dlg.dpiListOpen(1));
}

}  // namespace
}  // namespace corvane::testing
