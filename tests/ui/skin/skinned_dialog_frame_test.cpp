// The frame every dialog shares: opening, painting, the hover looks, the
// left-button order, the list, the pointer highlight, and the flags that
// outlive a dialog. Exercised through real dialog kinds (media key for a
// list, keys recover for the small frame without one).
#include "ui/skin/skinned_dialog_frame.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "ui/dialogs/dialog_fixture.h"

namespace corvane::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

constexpr Point kEmpty{300, 150};  // inside no rectangle of the 400 x 300 dialogs

// ---------------------------------------------------------------- opening

TEST(DialogFontTest, TahomaUnlessSimplifiedChineseThenHeiTiOnlyOnWindows62) {
    EXPECT_EQ(DialogFontFor(1033, 0x0206), (DialogFont{L"Tahoma", 14}));
    EXPECT_EQ(DialogFontFor(1028, 0x0106), (DialogFont{L"Tahoma", 14}));
    EXPECT_EQ(DialogFontFor(2052, 0x0206), (DialogFont{L"黑体", 13}));
    EXPECT_EQ(DialogFontFor(2052, 0x0106), (DialogFont{L"宋体", 13}));
    EXPECT_EQ(DialogFontFor(2052, 0x0306), (DialogFont{L"宋体", 13})) << "6.3 is not 6.2";
    EXPECT_EQ(DialogFontFor(2052, 0x0205), (DialogFont{L"宋体", 13}));
}

TEST_F(DialogTest, OpeningMakesTheFontThenLoadsTheBackground) {
    host = FakeDialogHost{};
    dialog = MakeDialog(DialogKind::Media, DialogParts{host, messages, flags, versionWord},
                        DialogInputs{0, 1033});
    EXPECT_TRUE(dialog->OnInitDialog());
    EXPECT_THAT(host.calls, ElementsAre("font Tahoma 14", "background /media-key.png"));
    EXPECT_THAT(messages.shown, IsEmpty());
}

TEST_F(DialogTest, KeysRecoverHasNoFontAndPaintsItsBackgroundOnly) {
    host = FakeDialogHost{};
    dialog = MakeDialog(DialogKind::KeysRecover, DialogParts{host, messages, flags, versionWord},
                        DialogInputs{});
    EXPECT_TRUE(dialog->OnInitDialog());
    EXPECT_THAT(host.calls, ElementsAre("background /Keys-recover.png"));
    host.Clear();
    EXPECT_TRUE(dialog->OnEraseBackground());
    EXPECT_THAT(host.calls, ElementsAre("pass", "present"));
}

TEST_F(DialogTest, AMissingBackgroundIsReportedAndTheBlankDialogStillAnswers) {
    host = FakeDialogHost{};
    host.backgroundLoads = false;
    dialog = MakeDialog(DialogKind::KeysRecover, DialogParts{host, messages, flags, versionWord},
                        DialogInputs{});
    EXPECT_FALSE(dialog->OnInitDialog()) << "no focus set";
    EXPECT_THAT(messages.shown, ElementsAre(ShownMessage{MessageKind::DialogBackgroundFailed,
                                                         Caption::KeysRecoverDialogBackground, 0}));
    host.Clear();
    EXPECT_TRUE(dialog->OnEraseBackground());
    dialog->OnMouseHover(Inside(Layout().accept));
    dialog->OnMouseMove(kEmpty);
    EXPECT_EQ(host.Count("pass"), 0) << "nothing is painted without a background";
    dialog->OnLButtonDown(Inside(Layout().accept));
    EXPECT_EQ(dialog->result(), kDialogAccepted);
}

TEST_F(DialogTest, WithoutABackgroundTheDialogsOwnStepIsSkipped) {
    host = FakeDialogHost{};
    host.backgroundLoads = false;
    dialog = MakeDialog(DialogKind::SingleKey, DialogParts{host, messages, flags, versionWord},
                        DialogInputs{0, 2052});
    EXPECT_FALSE(dialog->OnInitDialog());
    EXPECT_EQ(host.Count("hook"), 0);
    EXPECT_EQ(messages.shown.at(0).caption, Caption::SingleKeyDialogBackground);
}

// --------------------------------------------------------------- painting

TEST_F(DialogTest, PaintDrawsBothButtonsNormalAndTheChoiceCentredLeftOfTheArrow) {
    Open(DialogKind::Media);
    EXPECT_TRUE(dialog->OnEraseBackground());
    EXPECT_THAT(host.calls, ElementsAre("pass", "image /Save-normal.png 153,256",
                                        "image /Exit-normal.png 272,256",
                                        "text 'Next' 49,112,149,141 centred", "present"));
    EXPECT_EQ(host.Count("image /Close"), 0) << "the background shows the close box";
}

// ------------------------------------------------------------------ hover

TEST_F(DialogTest, AMoveOverAButtonAsksForOneHoverOf10Ms) {
    Open(DialogKind::Media);
    for (const Rect& r : {Layout().closeBox, Layout().accept, Layout().cancel}) {
        host.Clear();
        dialog->OnMouseMove(Inside(r));
        EXPECT_THAT(host.calls, ElementsAre("hover 10"));
    }
    host.Clear();
    dialog->OnMouseMove(kEmpty);
    EXPECT_THAT(host.calls, IsEmpty()) << "no flag set: nothing is drawn";
}

TEST_F(DialogTest, FromAcceptStraightOntoCancelTheyExchangeTheirLooksAtOnce) {
    Open(DialogKind::Media);
    dialog->OnMouseHover(Inside(Layout().accept));
    EXPECT_THAT(host.calls, ElementsAre("pass", "image /Save-over.png 153,256", "present"));
    host.Clear();
    dialog->OnMouseHover(Inside(Layout().cancel));
    EXPECT_THAT(host.calls, ElementsAre("pass", "image /Exit-over.png 272,256",
                                        "image /Save-normal.png 153,256", "present"));
    EXPECT_FALSE(dialog->flags().acceptOver);
    EXPECT_TRUE(dialog->flags().cancelOver);
}

TEST_F(DialogTest, FromAcceptOntoTheCloseBoxBothStayOverUntilThePointerLeavesAllThree) {
    Open(DialogKind::Media);
    dialog->OnMouseHover(Inside(Layout().accept));
    host.Clear();
    dialog->OnMouseHover(Inside(Layout().closeBox));
    EXPECT_THAT(host.calls, ElementsAre("pass", "image /Close-over.png 365,0", "present"));
    host.Clear();
    dialog->OnMouseMove(Inside(Layout().closeBox));
    EXPECT_THAT(host.calls, ElementsAre("hover 10"));
    host.Clear();
    dialog->OnMouseMove(kEmpty);
    EXPECT_THAT(host.calls, ElementsAre("pass", "image /Close-normal.png 365,0",
                                        "image /Save-normal.png 153,256", "present"));
    EXPECT_FALSE(dialog->flags().closeOver || dialog->flags().acceptOver);
}

TEST_F(DialogTest, AHoverOutsideTheButtonsOnlyCopiesTheCanvas) {
    Open(DialogKind::Media);
    dialog->OnMouseHover(kEmpty);
    EXPECT_THAT(host.calls, ElementsAre("pass", "present"));
}

TEST_F(DialogTest, KeysRecoverHoversWithOkAndReturnImages) {
    Open(DialogKind::KeysRecover);
    dialog->OnMouseHover(Inside(Layout().accept));
    dialog->OnMouseHover(Inside(Layout().cancel));
    EXPECT_THAT(host.CallsOf("image"),
                ElementsAre("image /Ok-over.png 35,158", "image /Return-over.png 153,158",
                            "image /Ok-normal.png 35,158"));
}

TEST_F(DialogTest, HoverLooksOutliveTheDialogAndBelongToItsKind) {
    Open(DialogKind::Media);
    dialog->OnMouseHover(Inside(Layout().accept));
    dialog->OnEnter();
    Open(DialogKind::HotKey);
    dialog->OnMouseHover(Inside(Layout().cancel));
    EXPECT_EQ(host.Count("image /Save-normal.png"), 0)
        << "the hot key dialog's accept was never over";
    Open(DialogKind::Media);
    dialog->OnMouseHover(Inside(Layout().cancel));
    EXPECT_THAT(host.CallsOf("image"),
                ElementsAre("image /Exit-over.png 272,256", "image /Save-normal.png 153,256"))
        << "the media dialog's accept is still flagged from its last opening";
}

// ------------------------------------------------------------------ clicks

TEST_F(DialogTest, AcceptCancelAndCloseEndWithOneOrTwo) {
    Open(DialogKind::Media);
    dialog->OnLButtonDown(Inside(Layout().accept));
    EXPECT_TRUE(dialog->ended());
    EXPECT_EQ(dialog->result(), kDialogAccepted);
    Open(DialogKind::Media);
    dialog->OnLButtonDown(Inside(Layout().cancel));
    EXPECT_EQ(dialog->result(), kDialogCancelled);
    Open(DialogKind::Media);
    dialog->OnLButtonDown(Inside(Layout().closeBox));
    EXPECT_EQ(dialog->result(), kDialogCancelled);
    Open(DialogKind::Media);
    dialog->OnEnter();
    EXPECT_EQ(dialog->result(), kDialogAccepted);
    Open(DialogKind::Media);
    dialog->OnEscape();
    EXPECT_EQ(dialog->result(), kDialogCancelled);
    dialog->OnEnter();
    EXPECT_EQ(dialog->result(), kDialogCancelled) << "the first answer stands";
}

TEST_F(DialogTest, AClickOnARightOrBottomEdgeIsOutside) {
    Open(DialogKind::Media);
    const Rect accept = Layout().accept;
    dialog->OnLButtonDown({accept.right, accept.top});
    dialog->OnLButtonDown({accept.left, accept.bottom});
    EXPECT_FALSE(dialog->ended());
    dialog->OnLButtonDown({accept.right - 1, accept.bottom - 1});
    EXPECT_EQ(dialog->result(), kDialogAccepted);
}

// -------------------------------------------------------------------- list

TEST_F(DialogTest, AcceptingWithoutTouchingTheListGivesIndexZeroAndTheFirstText) {
    Open(DialogKind::Windows);
    dialog->OnEnter();
    EXPECT_EQ(dialog->choiceIndex(), 0);
    EXPECT_EQ(dialog->choiceText(), L"Multimedia Player");
}

TEST_F(DialogTest, TheDropdownBoxTwiceOpensAndClosesTheListWithoutAChoice) {
    Open(DialogKind::Media);
    ClickDropdown();
    EXPECT_THAT(host.calls, ElementsAre("create 553 49,143,177,263 7"));
    EXPECT_TRUE(dialog->flags().listOpen);
    host.Clear();
    ClickDropdown();
    EXPECT_THAT(host.calls, ElementsAre("destroy 553"));
    EXPECT_FALSE(dialog->flags().listOpen);
    EXPECT_EQ(dialog->choiceText(), L"Next");
}

TEST_F(DialogTest, AClickOutsideTheListAndTheBoxClosesTheListWithoutAChoice) {
    Open(DialogKind::Media);
    ClickDropdown();
    host.lists[553].selection = 3;  // highlighted, not chosen
    host.Clear();
    dialog->OnLButtonDown(kEmpty);
    EXPECT_THAT(host.calls, ElementsAre("destroy 553"));
    EXPECT_FALSE(dialog->flags().listOpen);
    EXPECT_EQ(dialog->choiceIndex(), 0);
    EXPECT_FALSE(dialog->ended());
}

TEST_F(DialogTest, AClickOnAcceptWithTheListOpenClosesItThenAccepts) {
    Open(DialogKind::Media);
    ClickDropdown();
    dialog->OnLButtonDown({200, 270});  // in accept, right of the list
    EXPECT_FALSE(host.ListExists(553));
    EXPECT_FALSE(dialog->flags().listOpen);
    EXPECT_EQ(dialog->result(), kDialogAccepted);
}

TEST_F(DialogTest, AChoiceTakesTextAndIndexClosesTheListAndRedrawsTheBox) {
    Open(DialogKind::Media);
    ClickDropdown();
    host.Clear();
    Pick(6);
    EXPECT_THAT(host.calls,
                ElementsAre("destroy 553", "pass", "image /DropdownBox-normal.png 49,112",
                            "text 'Vol-' 49,112,149,141 centred", "present"));
    EXPECT_EQ(dialog->choiceIndex(), 6);
    EXPECT_EQ(dialog->choiceText(), L"Vol-");
    EXPECT_FALSE(dialog->flags().listOpen);
    host.Clear();
    dialog->OnChildNotify(553, ChildEvent::ListDoubleClicked);
    EXPECT_THAT(host.calls, IsEmpty()) << "no list, no selection: nothing happens";
}

TEST_F(DialogTest, ANotificationWithoutSelectionClearsTheFlagButLeavesTheList) {
    Open(DialogKind::Media);
    ClickDropdown();
    dialog->OnChildNotify(553, ChildEvent::ListSelectionChanged);
    EXPECT_TRUE(host.ListExists(553));
    EXPECT_FALSE(dialog->flags().listOpen);
    host.Clear();
    ClickDropdown();
    EXPECT_THAT(host.calls, IsEmpty()) << "flag clear and a list exists: the box does nothing";
    dialog->OnLButtonDown(kEmpty);
    EXPECT_FALSE(host.ListExists(553));
}

TEST_F(DialogTest, ListOpenAtEnterOrEscapeNeedsTwoClicksAtTheNextOpening) {
    for (const bool enter : {true, false}) {
        SCOPED_TRACE(enter ? "Enter" : "Escape");
        Open(DialogKind::HotKey);
        ClickDropdown();
        enter ? dialog->OnEnter() : dialog->OnEscape();
        EXPECT_TRUE(flags.Of(DialogKind::HotKey).listOpen);

        Open(DialogKind::HotKey);
        ClickDropdown();
        EXPECT_THAT(host.calls, IsEmpty()) << "the first click only clears the flag";
        EXPECT_FALSE(dialog->flags().listOpen);
        ClickDropdown();
        EXPECT_THAT(host.calls, ElementsAre("create 565 49,143,177,283 8"));
        dialog->OnEscape();
        flags.Of(DialogKind::HotKey).listOpen = false;
    }
    Open(DialogKind::Media);
    ClickDropdown();
    EXPECT_EQ(host.Count("create"), 1) << "the flag belongs to the hot key kind only";
}

TEST_F(DialogTest, ThePointerHighlightsTheItemUnderItInTheOpenListOnly) {
    Open(DialogKind::Media);
    DialogFilterMessage move{DialogFilterMessage::Kind::PointerMove, Key::Other, {60, 150}};
    host.listUnderPointer = 553;
    host.itemUnderPointer = 2;
    EXPECT_FALSE(dialog->PreFilter(move)) << "no list yet";
    EXPECT_THAT(host.calls, IsEmpty());
    ClickDropdown();
    host.Clear();
    EXPECT_FALSE(dialog->PreFilter(move)) << "the move goes on to the list";
    EXPECT_THAT(host.calls, ElementsAre("select 553 2"));
    EXPECT_EQ(dialog->choiceIndex(), 0) << "highlighting is not choosing";
    host.Clear();
    host.listUnderPointer.reset();
    dialog->PreFilter(move);
    EXPECT_THAT(host.calls, IsEmpty());
}

TEST_F(DialogTest, AFrameWithoutAListIgnoresAClickOnItsBox) {
    Open(DialogKind::SingleKey);
    ClickDropdown();
    EXPECT_THAT(host.calls, IsEmpty()) << "the single key dialog's key box opens nothing";
}

}  // namespace
}  // namespace corvane::testing
