// The LED page through the window's dispatcher and the recording host: the
// marks drawn from the record, each click's marks in order, and the fields
// each click sets.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "ui/main/window_fixture.h"

namespace corvane::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

std::string Tick(const Rect& at) {
    return "image /PaneMakingTick.png " + std::to_string(at.left) + "," + std::to_string(at.top);
}

const std::string kPage = "image /LEDSet.png 0,0";

class LedPageTest : public WindowTest {
  protected:
    LedPageTest() {
        record().reportRate = 8;
        record().ledMode = 2;
        record().ledParamA = 10;
        record().ledParamB = 3;
    }
    void Click(const Rect& r) { dlg.OnLButtonDown(Inside(r)); }
};

TEST_F(LedPageTest, ShowingThePageMarksTheRecordsValues) {
    StartOnKeyPage();
    dlg.ShowLedPage();
    EXPECT_THAT(host.calls,
                ElementsAre("pass", kPage, Tick(kReportRatePositions[0]), Tick(kLightingRows[1]),
                            Tick(kModeTwoParamRows[1]), "present"));
    host.Clear();
    dlg.ShowLedPage();
    EXPECT_THAT(host.calls, IsEmpty()) << "the current page is not drawn again";
}

TEST_F(LedPageTest, ModeOneMarksTheRowOfItsParameterOrNone) {
    record().ledMode = 1;
    record().ledParamA = 5;
    record().reportRate = 2;
    ShowPage(kDpiPage);
    dlg.ShowLedPage();
    EXPECT_THAT(host.CallsOf("image"),
                ElementsAre(kPage, Tick(kReportRatePositions[2]), Tick(kLightingRows[3])));

    record().ledParamA = 7;
    record().reportRate = 1;
    ShowPage(kDpiPage);
    dlg.ShowLedPage();
    EXPECT_THAT(host.CallsOf("image"), ElementsAre(kPage, Tick(kReportRatePositions[3])));

    record().ledMode = 5;
    ShowPage(kDpiPage);
    dlg.ShowLedPage();
    EXPECT_THAT(host.CallsOf("image"), ElementsAre(kPage, Tick(kReportRatePositions[3])));
}

TEST_F(LedPageTest, AReportRateWithoutAPositionIsMarkedOnShowButNotAfterALightingClick) {
    record().reportRate = 0;
    StartOnKeyPage();
    dlg.ShowLedPage();
    EXPECT_EQ(host.CallsOf("image")[1], Tick(kReportRatePositions[3]));
    host.Clear();
    Click(kLightingRows[0]);
    EXPECT_THAT(host.calls, ElementsAre("pass", kPage, Tick(kLightingRows[0]), "present"));
    EXPECT_EQ(record().ledMode, 0);
    EXPECT_EQ(record().reportRate, 0);
    host.Clear();
    Click(kReportRatePositions[1]);
    EXPECT_THAT(host.CallsOf("image"),
                ElementsAre(kPage, Tick(kReportRatePositions[1]), Tick(kLightingRows[0])));
    EXPECT_EQ(record().reportRate, 4);
}

TEST_F(LedPageTest, LightingRowsSetModeAndParameterAAndKeepParameterB) {
    ShowPage(kLedPage);
    Click(kLightingRows[3]);
    EXPECT_THAT(host.calls, ElementsAre("pass", kPage, Tick(kLightingRows[3]),
                                        Tick(kReportRatePositions[0]), "present"));
    EXPECT_EQ(record().ledMode, 1);
    EXPECT_EQ(record().ledParamA, 5);

    host.Clear();
    Click(kLightingRows[1]);
    EXPECT_THAT(host.calls,
                ElementsAre("pass", kPage, Tick(kLightingRows[1]), Tick(kModeTwoParamRows[1]),
                            Tick(kReportRatePositions[0]), "present"))
        << "mode 2 brings back its parameter";
    EXPECT_EQ(record().ledMode, 2);
    EXPECT_EQ(record().ledParamA, 5);

    Click(kLightingRows[3]);
    EXPECT_EQ(record().ledParamA, 5);
    EXPECT_EQ(record().ledParamB, 3);
    Click(kLightingRows[4]);
    EXPECT_EQ(record().ledParamA, 1);
    Click(kLightingRows[2]);
    EXPECT_EQ(record().ledParamA, 10);
    Click(kLightingRows[0]);
    EXPECT_EQ(record().ledMode, 0);
    EXPECT_EQ(record().ledParamA, 10) << "lighting off keeps the mode-1 parameter";
    EXPECT_EQ(record().ledParamB, 3);
}

TEST_F(LedPageTest, ParameterRowsActOnlyInModeTwo) {
    ShowPage(kLedPage);
    Click(kModeTwoParamRows[2]);
    EXPECT_THAT(host.calls,
                ElementsAre("pass", kPage, Tick(kLightingRows[1]), Tick(kModeTwoParamRows[2]),
                            Tick(kReportRatePositions[0]), "present"));
    EXPECT_EQ(record().ledParamB, 1);

    Click(kLightingRows[2]);
    host.Clear();
    Click(kModeTwoParamRows[0]);
    EXPECT_THAT(host.calls, IsEmpty()) << "no change, no drawing, no drag";
    EXPECT_EQ(record().ledParamB, 1);
    EXPECT_EQ(record().ledMode, 1);
}

TEST_F(LedPageTest, AReportRateClickKeepsTheLightingMarks) {
    record().ledMode = 1;
    record().ledParamA = 10;
    ShowPage(kLedPage);
    Click(kReportRatePositions[1]);
    EXPECT_THAT(host.calls, ElementsAre("pass", kPage, Tick(kReportRatePositions[1]),
                                        Tick(kLightingRows[2]), "present"));
    EXPECT_EQ(record().reportRate, 4);
    constexpr std::uint8_t kRates[] = {8, 4, 2, 1};
    for (int position = 0; position < 4; ++position) {
        Click(kReportRatePositions[position]);
        EXPECT_EQ(record().reportRate, kRates[position]);
    }
}

TEST_F(LedPageTest, WithoutABackBufferClicksStillSetTheRecordAndOnlyCopy) {
    ShowPage(kLedPage);
    host.hasBackBuffer = false;
    Click(kReportRatePositions[3]);
    Click(kLightingRows[4]);
    EXPECT_THAT(host.calls, ElementsAre("pass", "present", "pass", "present"));
    EXPECT_EQ(record().reportRate, 1);
    EXPECT_EQ(record().ledMode, 1);
    EXPECT_EQ(record().ledParamA, 1);
}

TEST_F(LedPageTest, AMissingTickImageLeavesTheOtherMarksDrawn) {
    host.missingImages.insert(L"/PaneMakingTick.png");
    ShowPage(kKeyPage);
    dlg.ShowLedPage();
    EXPECT_EQ(host.Count("image"), 4);
    EXPECT_EQ(host.calls.back(), "present");
}

TEST_F(LedPageTest, ExitThrowsTheClicksAwayAndTheNextShowMarksTheSavedValues) {
    state.records.TakeBackup();
    ShowPage(kLedPage);
    Click(kReportRatePositions[3]);
    Click(kLightingRows[0]);
    dlg.OnLButtonDown(Inside(kExitButton));
    EXPECT_EQ(record().reportRate, 8);
    EXPECT_EQ(record().ledMode, 2);
    // The tray's forced redraw of the LED page.
    host.Clear();
    dlg.setCurrentPage(kNoPage);
    dlg.ShowLedPage();
    EXPECT_THAT(host.CallsOf("image"),
                ElementsAre(kPage, Tick(kReportRatePositions[0]), Tick(kLightingRows[1]),
                            Tick(kModeTwoParamRows[1])));
}

}  // namespace
}  // namespace corvane::testing
