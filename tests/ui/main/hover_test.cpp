// Hover feedback and the repaint of the main window: which moves ask for a
// hover, what a hover draws, the order flagged regions come back in, and the
// colours handed to child controls.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "ui/main/window_fixture.h"

namespace corvane::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

class HoverTest : public WindowTest {
  protected:
    void HoverOn(const Rect& r) {
        dlg.OnMouseMove(Inside(r));
        dlg.OnMouseHover(Inside(r));
    }
    void MoveAway() { dlg.OnMouseMove(kEmptySpot); }
};

TEST_F(HoverTest, AMoveOverAWindowButtonAsksForA10MsHoverOnEveryPage) {
    for (int page : {kKeyPage, kDpiPage, kLedPage}) {
        ShowPage(page);
        for (const Rect& r : {kSaveButton, kExitButton, kMinButton, kCloseButton}) {
            dlg.OnMouseMove(Inside(r));
        }
        EXPECT_THAT(host.calls, ElementsAre("hover 10", "hover 10", "hover 10", "hover 10"));
    }
}

TEST_F(HoverTest, RestingOnSaveShowsItsOverImageAndAnEmptySpotBringsBackTheNormalOne) {
    StartOnKeyPage();
    HoverOn(kSaveButton);
    EXPECT_THAT(host.calls,
                ElementsAre("hover 10", "pass", "image /Save-over.png 471,572", "present"));
    EXPECT_TRUE(dlg.hoverFlag(HotRegion::Save));
    host.Clear();
    MoveAway();
    EXPECT_THAT(host.calls, ElementsAre("pass", "image /Save-normal.png 471,572", "present"));
    EXPECT_FALSE(dlg.hoverFlag(HotRegion::Save));
    host.Clear();
    MoveAway();
    EXPECT_THAT(host.calls, IsEmpty()) << "nothing flagged, nothing drawn";
}

TEST_F(HoverTest, TwoFlagsNeedTwoMovesInTheRestoreOrder) {
    StartOnKeyPage();
    HoverOn(kSaveButton);
    HoverOn(kKeyBoxes[1][0]);
    dlg.labels()[1][0] = L"Right Click";
    HoverOn(kMinButton);
    host.Clear();
    MoveAway();
    MoveAway();
    MoveAway();
    MoveAway();
    EXPECT_THAT(host.CallsOf("image"),
                ElementsAre("image /Min-normal.png 688,4", "image /Save-normal.png 471,572",
                            "image /DropdownBox-normal.png 523,195"));
    EXPECT_EQ(host.Count("pass"), 3) << "one restored region per move";
    EXPECT_EQ(host.CallsOf("text").back(), "text 'Right Click' 528,195,623,224 left page");
}

TEST_F(HoverTest, AdjacentButtonsRestoreEachOtherWithoutAMoveInTheGap) {
    StartOnKeyPage();
    HoverOn(kSaveButton);
    host.Clear();
    dlg.OnMouseHover(Inside(kExitButton));
    EXPECT_THAT(host.calls, ElementsAre("pass", "image /Exit-over.png 590,572",
                                        "image /Save-normal.png 471,572", "present"));
    EXPECT_FALSE(dlg.hoverFlag(HotRegion::Save));
    EXPECT_TRUE(dlg.hoverFlag(HotRegion::Exit));

    host.Clear();
    dlg.OnMouseHover(Inside(kSaveButton));
    EXPECT_THAT(host.CallsOf("image"),
                ElementsAre("image /Save-over.png 471,572", "image /Exit-normal.png 590,572"));

    host.Clear();
    dlg.OnMouseHover(Inside(kDefaultButton));
    EXPECT_THAT(host.CallsOf("image"),
                ElementsAre("image /Default-over.png 352,572", "image /Save-normal.png 471,572"));

    host.Clear();
    dlg.OnMouseHover(Inside(kSaveButton));
    EXPECT_THAT(host.CallsOf("image"),
                ElementsAre("image /Save-over.png 471,572", "image /Default-normal.png 352,572"));

    host.Clear();
    dlg.OnMouseHover(Inside(kCloseButton));
    dlg.OnMouseHover(Inside(kMinButton));
    dlg.OnMouseHover(Inside(kCloseButton));
    EXPECT_THAT(host.CallsOf("image"),
                ElementsAre("image /Close-over.png 721,4", "image /Min-over.png 688,4",
                            "image /Close-normal.png 721,4", "image /Close-over.png 721,4",
                            "image /Min-normal.png 688,4"));
    EXPECT_TRUE(dlg.hoverFlag(HotRegion::Save)) << "Min and Close leave Save alone";
}

TEST_F(HoverTest, KeyBoxesAndDefaultGiveFeedbackOnTheKeyPageOnly) {
    for (int page : {kDpiPage, kLedPage}) {
        ShowPage(page);
        HoverOn(kDefaultButton);
        HoverOn(kKeyBoxes[0][2]);
        HoverOn(kKeyBoxes[1][4]);
        EXPECT_THAT(host.calls, IsEmpty()) << "page " << page;
    }
    ShowPage(kKeyPage);
    dlg.labels()[0][2] = L"Mid Click";
    HoverOn(kKeyBoxes[0][2]);
    EXPECT_THAT(host.calls, ElementsAre("hover 10", "pass", "image /DropdownBox-over.png 78,313",
                                        "text 'Mid Click' 83,313,178,342 left page", "present"));
    EXPECT_TRUE(dlg.hoverFlag(KeyBoxRegion(0, 2)));
}

TEST_F(HoverTest, DpiBoxesGiveFeedbackOnTheDpiPageOnly) {
    for (int page : {kKeyPage, kLedPage}) {
        ShowPage(page);
        HoverOn(kDpiStageBoxes[1]);
        EXPECT_THAT(host.calls, IsEmpty()) << "page " << page;
    }
    state.records.working.dpiLevel[1] = 2;
    ShowPage(kDpiPage);
    HoverOn(kDpiStageBoxes[1]);
    EXPECT_THAT(host.calls,
                ElementsAre("hover 10", "pass", "image /DropdownBox-over.png 498,353",
                            "text '" + Narrow(dlg.dpiText(1)) + "' 498,353,598,382 centred page",
                            "present"));
    host.Clear();
    MoveAway();
    EXPECT_EQ(host.CallsOf("image"),
              std::vector<std::string>{"image /DropdownBox-normal.png 498,353"});
}

TEST_F(HoverTest, TheButton5BoxesNeverChange) {
    StartOnKeyPage();
    HoverOn(kKeyBoxes[0][5]);
    HoverOn(kKeyBoxes[1][5]);
    EXPECT_THAT(host.calls, IsEmpty());
}

TEST_F(HoverTest, APageChangeKeepsTheFlagsAndTheRestoreDrawsOverTheNewPage) {
    StartOnKeyPage();
    HoverOn(kKeyBoxes[0][0]);
    dlg.ShowLedPage();
    EXPECT_TRUE(dlg.hoverFlag(KeyBoxRegion(0, 0)));
    host.Clear();
    MoveAway();
    EXPECT_THAT(host.CallsOf("image"), ElementsAre("image /DropdownBox-normal.png 78,195"));
    EXPECT_FALSE(dlg.hoverFlag(KeyBoxRegion(0, 0)));
}

TEST_F(HoverTest, LeavingTheWindowRedrawsNothing) {
    StartOnKeyPage();
    HoverOn(kCloseButton);
    host.Clear();
    dlg.OnMouseLeave();
    EXPECT_THAT(host.calls, IsEmpty());
    EXPECT_TRUE(dlg.hoverFlag(HotRegion::Close));
}

TEST_F(HoverTest, AHoverOutsideTheHotRegionsDrawsNothing) {
    StartOnKeyPage();
    dlg.OnMouseHover(kEmptySpot);
    dlg.OnMouseHover(Inside(kKeyTab));
    EXPECT_THAT(host.calls, IsEmpty());
}

TEST_F(HoverTest, AMissingImageStillEndsThePassWithACopy) {
    StartOnKeyPage();
    host.missingImages.insert(L"/Save-over.png");
    HoverOn(kSaveButton);
    EXPECT_EQ(host.calls.back(), "present");
    EXPECT_TRUE(dlg.hoverFlag(HotRegion::Save));
}

TEST_F(HoverTest, EraseBackgroundRepaintsFromTheBackBuffer) {
    EXPECT_TRUE(dlg.OnEraseBackground());
    EXPECT_THAT(host.calls, ElementsAre("repaint"));
}

// ------------------------------------------------------------ control colours

TEST_F(WindowTest, ListsGetTheSkinColoursAndTheListFont) {
    const ControlColourChoice list = dlg.ControlColour(ControlCategory::ListBox, 31);
    EXPECT_EQ(list.textColour, (ColourWord{0, 255, 198}));
    EXPECT_TRUE(list.transparentBackground);
    EXPECT_EQ(list.backgroundColour, (ColourWord{26, 54, 51}));  // rows cleared in the skin colour
    EXPECT_EQ(list.font, FontKind::List);
    EXPECT_EQ(list.brush, BrushKind::Solid);
    EXPECT_EQ(list.brushColour, (ColourWord{26, 54, 51}));
}

TEST_F(WindowTest, EditsButtonsAndOtherControls) {
    const ControlColourChoice edit = dlg.ControlColour(ControlCategory::Edit, 5);
    EXPECT_EQ(edit.textColour, (ColourWord{0, 255, 0}));
    EXPECT_EQ(edit.brush, BrushKind::Solid);
    EXPECT_EQ(edit.brushColour, (ColourWord{0, 0, 0}));
    EXPECT_FALSE(edit.font.has_value());

    const ControlColourChoice button = dlg.ControlColour(ControlCategory::Button, 1);
    EXPECT_EQ(button,
              (ControlColourChoice{
                  std::nullopt, true, std::nullopt, std::nullopt, BrushKind::DefaultResult, {}}));
    EXPECT_EQ(dlg.ControlColour(ControlCategory::Other, 71), ControlColourChoice{});
}

TEST_F(WindowTest, Statics71To74ArePaintedInTheLightingColours) {
    state.records.working.ledColour[0] = {10, 20, 30};
    state.records.working.ledColour[3] = {200, 100, 50};
    const ControlColourChoice first = dlg.ControlColour(ControlCategory::Static, 71);
    EXPECT_EQ(first.brush, BrushKind::Solid);
    EXPECT_EQ(first.brushColour, (ColourWord{10, 20, 30}));
    EXPECT_TRUE(first.transparentBackground);
    EXPECT_FALSE(first.textColour.has_value());
    EXPECT_EQ(dlg.ControlColour(ControlCategory::Static, 74).brushColour,
              (ColourWord{200, 100, 50}));

    for (int id : {70, 75}) {
        const ControlColourChoice other = dlg.ControlColour(ControlCategory::Static, id);
        EXPECT_EQ(other.textColour, (ColourWord{0, 255, 0}));
        EXPECT_FALSE(other.transparentBackground);
        EXPECT_EQ(other.backgroundColour, (ColourWord{100, 150, 100}));
        EXPECT_EQ(other.font, FontKind::List);
        EXPECT_EQ(other.brushColour, (ColourWord{100, 150, 100}));
    }
}

}  // namespace
}  // namespace corvane::testing
