// The main window's frame: the click dispatcher's order and stops, the close
// zones, page-leave, the window buttons, the pre-filter and the first show of
// the key page.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstring>

#include "meaning/factory_settings.h"
#include "settings/dpi_table.h"
#include "ui/main/window_fixture.h"

namespace corvane::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

bool SameBytes(const SettingsRecord& a, const SettingsRecord& b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

// ------------------------------------------------------------- dispatcher

TEST_F(WindowTest, AClickOnAnEmptySpotOfEveryPageOnlyDrags) {
    state.records.working.reportRate = 4;
    state.records.backup.reportRate = 4;
    const SettingsRecord before = state.records.working;
    for (int page : {kKeyPage, kDpiPage, kLedPage}) {
        ShowPage(page);
        dlg.OnLButtonDown(kEmptySpot);
        EXPECT_THAT(host.calls, ElementsAre("drag")) << "page " << page;
        EXPECT_EQ(dlg.currentPage(), page);
    }
    EXPECT_TRUE(SameBytes(state.records.working, before));
    EXPECT_EQ(deviceWrites, 0);
    EXPECT_EQ(files.replaceCalls, 0);
    EXPECT_TRUE(ini.writes.empty());
}

TEST_F(WindowTest, TheKeyTabOnTheKeyPageRedrawsNothing) {
    StartOnKeyPage();
    dlg.OnLButtonDown(Inside(kKeyTab));
    EXPECT_THAT(host.calls, ElementsAre("drag"));
}

TEST_F(WindowTest, ATabShowsItsPageThenTheClickEndsAsADrag) {
    StartOnKeyPage();
    dlg.OnLButtonDown(Inside(kDpiTab));
    EXPECT_EQ(dlg.currentPage(), kDpiPage);
    ASSERT_FALSE(host.calls.empty());
    EXPECT_EQ(host.calls.front(), "pass");
    EXPECT_EQ(host.calls[1], "image /DPISet.png 0,0");
    EXPECT_EQ(host.calls.back(), "drag");

    host.Clear();
    dlg.OnLButtonDown(Inside(kLedTab));
    EXPECT_EQ(dlg.currentPage(), kLedPage);
    // A zero record: no report-rate position of its own (the last is marked)
    // and lighting off.
    EXPECT_THAT(host.calls,
                ElementsAre("pass", "image /LEDSet.png 0,0", "image /PaneMakingTick.png 476,434",
                            "image /PaneMakingTick.png 135,200", "present", "drag"));
}

TEST_F(WindowTest, TheDpiTabClosesAnOpenKeyList) {
    StartOnKeyPage();
    OpenList(KeyListId(0, 3));
    dlg.OnLButtonDown(Inside(kDpiTab));
    EXPECT_FALSE(host.ListExists(KeyListId(0, 3)));
    EXPECT_EQ(host.calls.front(), "destroy 34") << "the list closes before the page is drawn";
}

TEST_F(WindowTest, MinHidesAndCloseEndsTheProgramAndNeitherDrags) {
    StartOnKeyPage();
    dlg.OnLButtonDown(Inside(kMinButton));
    EXPECT_THAT(host.calls, ElementsAre("hide"));
    host.Clear();
    OpenList(KeyListId(0, 0));
    dlg.OnLButtonDown(Inside(kCloseButton));
    EXPECT_THAT(host.calls, ElementsAre("end"));
    EXPECT_EQ(deviceWrites + files.replaceCalls, 0) << "Close saves nothing";
    EXPECT_TRUE(ini.writes.empty());
}

TEST_F(WindowTest, ClicksOnThePageRegionsAreConsumed) {
    const struct {
        int page;
        Rect region;
    } kCases[] = {
        {kKeyPage, kKeyBoxes[0][0]},   {kKeyPage, kKeyBoxes[1][4]},
        {kDpiPage, kDpiStageBoxes[2]}, {kLedPage, kReportRatePositions[3]},
        {kLedPage, kLightingRows[4]},  {kLedPage, kModeTwoParamRows[0]},
    };
    for (const auto& c : kCases) {
        ShowPage(c.page);
        dlg.OnLButtonDown(Inside(c.region));
        EXPECT_EQ(host.Count("drag"), 0) << Describe(c.region);
    }
}

TEST_F(WindowTest, PageRegionsOfOtherPagesEndAsADrag) {
    ShowPage(kLedPage);
    dlg.OnLButtonDown(Inside(kKeyBoxes[0][0]));
    dlg.OnLButtonDown(Inside(kDefaultButton));
    EXPECT_THAT(host.calls, ElementsAre("drag", "drag"));
    ShowPage(kKeyPage);
    dlg.OnLButtonDown(Inside(kDpiStageBoxes[0]));
    dlg.OnLButtonDown(Inside(kModeTwoParamRows[0]));
    EXPECT_THAT(host.calls, ElementsAre("drag", "drag"));
}

TEST_F(WindowTest, TheButton5BoxIsNotClickable) {
    StartOnKeyPage();
    dlg.OnLButtonDown(Inside(kKeyBoxes[0][5]));
    EXPECT_THAT(host.calls, ElementsAre("drag"));
}

// ------------------------------------------------------------ close zones

TEST_F(WindowTest, AKeyListClosesOnlyOnAClickOutsideItsBoxAndZone) {
    StartOnKeyPage();
    const int id = KeyListId(1, 3);
    OpenList(id);
    dlg.OnLButtonDown(Inside(kKeyListZones[1][3]));
    dlg.OnLButtonDown(Inside(kKeyBoxes[1][3]));
    EXPECT_TRUE(host.ListExists(id));
    EXPECT_EQ(host.Count("destroy"), 0);

    dlg.OnLButtonDown(Inside(kKeyBoxes[0][0]));
    EXPECT_FALSE(host.ListExists(id)) << "a click on another box closes it";
}

TEST_F(WindowTest, EveryKeyListOutsideTheClickClosesInOrder) {
    StartOnKeyPage();
    for (int layer = 0; layer < kKeyLayerCount; ++layer) {
        for (int button = 0; button < kKeyBoxButtonCount; ++button) {
            OpenList(KeyListId(layer, button));
        }
    }
    dlg.OnLButtonDown(kEmptySpot);
    EXPECT_THAT(host.CallsOf("destroy"),
                ElementsAre("destroy 31", "destroy 32", "destroy 33", "destroy 34", "destroy 35",
                            "destroy 36", "destroy 41", "destroy 42", "destroy 43", "destroy 44",
                            "destroy 45", "destroy 46"));
    EXPECT_EQ(host.calls.back(), "drag");
}

TEST_F(WindowTest, AClickInsideOneZoneKeepsOnlyTheListsWhoseZoneHoldsIt) {
    StartOnKeyPage();
    OpenList(KeyListId(0, 0));  // zone (78, 225, 206, 451)
    OpenList(KeyListId(0, 1));  // zone (78, 284, 206, 510)
    OpenList(KeyListId(1, 0));
    dlg.OnLButtonDown({100, 240});  // in zone 0 only
    EXPECT_TRUE(host.ListExists(KeyListId(0, 0)));
    EXPECT_FALSE(host.ListExists(KeyListId(0, 1)));
    EXPECT_FALSE(host.ListExists(KeyListId(1, 0)));
}

TEST_F(WindowTest, ADpiListClosesOnlyOnAClickOutsideItsBoxAndZone) {
    ShowPage(kDpiPage);
    OpenList(DpiListId(1));
    dlg.OnLButtonDown(Inside(kDpiListZones[1]));
    dlg.OnLButtonDown(Inside(kDpiStageBoxes[1]));
    EXPECT_TRUE(host.ListExists(DpiListId(1)));
    dlg.OnLButtonDown(kEmptySpot);
    EXPECT_FALSE(host.ListExists(DpiListId(1)));
}

// -------------------------------------------------------------- page-leave

TEST_F(WindowTest, PageLeaveClosesTheListsOfTheOtherPages) {
    const auto openAll = [&] {
        for (int id : {31, 36, 41, 46, 51, 52, 53}) {
            OpenList(id);
        }
    };
    openAll();
    dlg.setCurrentPage(kKeyPage);
    dlg.PageLeave();
    EXPECT_THAT(host.CallsOf("destroy"), ElementsAre("destroy 51", "destroy 52", "destroy 53"));

    host.Clear();
    openAll();
    dlg.setCurrentPage(kDpiPage);
    dlg.PageLeave();
    EXPECT_THAT(host.CallsOf("destroy"),
                ElementsAre("destroy 31", "destroy 36", "destroy 41", "destroy 46"));

    host.Clear();
    openAll();
    dlg.setCurrentPage(kLedPage);
    dlg.PageLeave();
    EXPECT_EQ(host.Count("destroy"), 7);

    host.Clear();
    openAll();
    dlg.setCurrentPage(kNoPage);
    dlg.PageLeave();
    EXPECT_THAT(host.calls, IsEmpty());
}

TEST_F(WindowTest, AShowOfTheCurrentPageDoesNothing) {
    for (int page : {kKeyPage, kDpiPage, kLedPage}) {
        ShowPage(page);
        OpenList(31);
        OpenList(51);
        switch (page) {
            case kKeyPage:
                dlg.ShowKeyPage();
                break;
            case kDpiPage:
                dlg.ShowDpiPage();
                break;
            default:
                dlg.ShowLedPage();
                break;
        }
        EXPECT_THAT(host.calls, IsEmpty()) << "page " << page;
        host.lists.clear();
    }
}

TEST_F(WindowTest, PageZeroForcesTheNextShowToDraw) {
    ShowPage(kDpiPage);
    dlg.setCurrentPage(kNoPage);
    dlg.ShowDpiPage();
    EXPECT_EQ(host.Count("present"), 1);
    EXPECT_EQ(dlg.currentPage(), kDpiPage);
}

// ------------------------------------------------------------ window buttons

TEST_F(WindowTest, SaveAppliesThenTakesTheBackupAndGoesOn) {
    StartOnKeyPage();
    state.records.working.buttonFunction[0][3] = 9;
    state.records.working.dpiLevel[0] = 8;
    dlg.OnLButtonDown(Inside(kSaveButton));
    EXPECT_EQ(deviceWrites, 1);
    EXPECT_EQ(state.image.page3.buttonTable0[4].entryClass & 0x80, 0x80) << "Apply patched it";
    EXPECT_TRUE(SameBytes(state.records.backup, state.records.working));
    EXPECT_THAT(host.calls, ElementsAre("drag"));
}

TEST_F(WindowTest, SaveTakesTheBackupEvenWhenNothingCouldBeStored) {
    // No config.bin: its box, and the backup still moves.
    StartOnKeyPage();
    state.records.working.ledMode = 1;
    dlg.Save();
    EXPECT_EQ(state.records.backup.ledMode, 1);
    EXPECT_EQ(messages.shown.size(), 1u);
}

// Each file that could not be stored is one box, config.bin's first; a
// str.ini failing neither stops config.bin nor the backup.
TEST_F(WindowTest, SaveShowsOneBoxPerFileThatCouldNotBeStored) {
    const std::wstring config = stored.paths().configPath;
    files.files[config] = std::vector<std::uint8_t>(kConfigFileSize);
    ini.failFromWrite = 3;
    ini.failError = 32;
    StartOnKeyPage();
    state.records.working.reportRate = 4;
    dlg.Save();
    EXPECT_EQ(messages.shown,
              (std::vector<ShownMessage>{{MessageKind::ConfigWriteError, Caption::NullFp, 32}}));
    ASSERT_EQ(files.files[config].size(), kConfigFileSize);
    EXPECT_EQ(files.files[config][0], 1);
    EXPECT_EQ(files.files[config][1 + offsetof(SettingsRecord, reportRate)], 4);
    EXPECT_EQ(ini.attempts, 3) << "the save stops at the key that failed";
    EXPECT_EQ(state.records.backup.reportRate, 4);

    messages.shown.clear();
    files.replaceError = 5;
    dlg.Save();
    EXPECT_EQ(messages.shown,
              (std::vector<ShownMessage>{{MessageKind::ConfigWriteError, Caption::NullFp, 5},
                                         {MessageKind::ConfigWriteError, Caption::NullFp, 32}}));
}

TEST_F(WindowTest, ExitRestoresTheBackupFlagsRefreshAndHides) {
    StartOnKeyPage();
    state.records.backup.buttonFunction[1][2] = 4;
    state.records.working.buttonFunction[1][2] = 9;
    dlg.labels()[1][2] = L"Fire Key-A";
    dlg.OnLButtonDown(Inside(kExitButton));
    EXPECT_EQ(state.records.working.buttonFunction[1][2], 4);
    EXPECT_TRUE(dlg.refreshOnShow());
    EXPECT_EQ(dlg.labels()[1][2], L"Fire Key-A") << "labels are not restored by Exit";
    EXPECT_THAT(host.calls, ElementsAre("hide", "drag"));
    EXPECT_EQ(deviceWrites, 0);
}

TEST_F(WindowTest, DefaultNotConfirmedChangesNothing) {
    StartOnKeyPage();
    state.records.working.reportRate = 1;
    const SettingsRecord before = state.records.working;
    host.dialogResult = kDialogCancelled;
    dlg.OnLButtonDown(Inside(kDefaultButton));
    EXPECT_THAT(host.calls, ElementsAre("dialog 2"));
    EXPECT_TRUE(SameBytes(state.records.working, before));
}

TEST_F(WindowTest, DefaultConfirmedResetsTheFieldsAndLabelsAndRedrawsTheBoxes) {
    StartOnKeyPage();
    SettingsRecord& record = state.records.working;
    record.ledParamA = 5;
    record.leftRuleLayer = 1;
    record.fireCount[0][1] = 7;
    record.buttonFunction[1][6] = 9;
    const SettingsRecord backup = state.records.backup;
    host.dialogResult = kDialogAccepted;

    dlg.OnLButtonDown(Inside(kDefaultButton));

    EXPECT_EQ(record.dpiLevel[0], 1);
    EXPECT_EQ(record.dpiLevel[1], 3);
    EXPECT_EQ(record.dpiLevel[2], 6);
    EXPECT_EQ(record.dpiStageOn[0] + record.dpiStageOn[1] + record.dpiStageOn[2], 3);
    EXPECT_EQ(record.ledMode, 2);
    EXPECT_EQ(record.ledParamB, 3);
    EXPECT_EQ(record.reportRate, 8);
    for (int layer = 0; layer < 2; ++layer) {
        EXPECT_THAT(record.buttonFunction[layer], ElementsAre(0, 1, 2, 11, 5, 12, 12, 12));
        EXPECT_EQ(dlg.labels()[layer][3], L"Snipe Key");
        EXPECT_EQ(dlg.labels()[layer][7], L"Key Off");
    }
    EXPECT_EQ(record.ledParamA, 5);
    EXPECT_EQ(record.leftRuleLayer, 1);
    EXPECT_EQ(record.fireCount[0][1], 7);
    EXPECT_TRUE(SameBytes(state.records.backup, backup));
    EXPECT_EQ(deviceWrites + files.replaceCalls, 0) << "the values wait for Save";
    EXPECT_TRUE(ini.writes.empty());

    // One pass: the ten boxes with their labels, then one copy; no drag.
    ASSERT_EQ(host.calls.size(), 1u + 1u + 20u + 1u);
    EXPECT_EQ(host.calls[0], "dialog 2");
    EXPECT_EQ(host.calls[1], "pass");
    EXPECT_EQ(host.calls[2], "image /DropdownBox-normal.png 78,195");
    EXPECT_EQ(host.calls[3], "text 'Left Click' 83,195,178,224 left page");
    EXPECT_EQ(host.calls[20], "image /DropdownBox-normal.png 523,430");
    EXPECT_EQ(host.calls[21], "text 'DPI Switch' 528,430,623,459 left page");
    EXPECT_EQ(host.calls.back(), "present");
}

TEST_F(WindowTest, DefaultActsOnTheKeyPageOnly) {
    host.dialogResult = kDialogAccepted;
    ShowPage(kDpiPage);
    dlg.OnLButtonDown(Inside(kDefaultButton));
    EXPECT_THAT(host.calls, ElementsAre("drag"));
}

// ------------------------------------------------------------- pre-filter

TEST_F(WindowTest, EnterAndEscapeHideAndStopThere) {
    StartOnKeyPage();
    state.records.working.reportRate = 2;
    for (Key key : {Key::Enter, Key::Escape}) {
        EXPECT_TRUE(dlg.PreFilter({FilterMessage::Kind::KeyDown, key, {}}));
    }
    EXPECT_THAT(host.calls, ElementsAre("hide", "hide"));
    EXPECT_EQ(state.records.working.reportRate, 2) << "nothing restored";
    EXPECT_FALSE(dlg.PreFilter({FilterMessage::Kind::KeyDown, Key::Other, {}}));
    EXPECT_FALSE(dlg.PreFilter({FilterMessage::Kind::Other, Key::Enter, {}}));
    EXPECT_EQ(host.Count("hide"), 2);
}

TEST_F(WindowTest, ThePointerHighlightsTheItemOfTheOpenListUnderIt) {
    StartOnKeyPage();
    OpenList(KeyListId(1, 2));
    host.listUnderPointer = KeyListId(1, 2);
    host.itemUnderPointer = 7;
    EXPECT_FALSE(dlg.PreFilter({FilterMessage::Kind::PointerMove, Key::Other, {600, 400}}));
    EXPECT_THAT(host.calls, ElementsAre("select 43 7"));
    EXPECT_FALSE(host.ListSelection(KeyListId(0, 2)).has_value());
}

TEST_F(WindowTest, TheHighlightFollowsOnlyTheListsOfTheCurrentPage) {
    StartOnKeyPage();
    OpenList(DpiListId(0));
    host.listUnderPointer = DpiListId(0);
    host.itemUnderPointer = 2;
    dlg.PreFilter({FilterMessage::Kind::PointerMove, Key::Other, {}});
    EXPECT_THAT(host.calls, IsEmpty()) << "a DPI list on the key page";

    dlg.setCurrentPage(kDpiPage);
    dlg.PreFilter({FilterMessage::Kind::PointerMove, Key::Other, {}});
    EXPECT_THAT(host.calls, ElementsAre("select 51 2"));

    host.Clear();
    dlg.setCurrentPage(kLedPage);
    dlg.PreFilter({FilterMessage::Kind::PointerMove, Key::Other, {}});
    host.listUnderPointer = std::nullopt;
    dlg.setCurrentPage(kDpiPage);
    dlg.PreFilter({FilterMessage::Kind::PointerMove, Key::Other, {}});
    EXPECT_THAT(host.calls, IsEmpty());
}

// ------------------------------------------------------ key page, first show

TEST_F(WindowTest, TheKeyPageDrawsItsImageAndTheTenLabelsThenCopies) {
    for (int layer = 0; layer < 2; ++layer) {
        for (int button = 0; button < 8; ++button) {
            dlg.labels()[layer][button] = L"L" + std::to_wstring(layer) + std::to_wstring(button);
        }
    }
    dlg.ShowKeyPage();
    ASSERT_EQ(host.calls.size(), 13u);
    EXPECT_EQ(host.calls[0], "pass");
    EXPECT_EQ(host.calls[1], "image /KeySet.png 0,0");
    EXPECT_EQ(host.calls[2], "text 'L00' 83,195,178,224 left page");
    EXPECT_EQ(host.calls[6], "text 'L04' 83,430,178,459 left page");
    EXPECT_EQ(host.calls[7], "text 'L10' 528,195,623,224 left page");
    EXPECT_EQ(host.calls[11], "text 'L14' 528,430,623,459 left page");
    EXPECT_EQ(host.calls[12], "present");
    EXPECT_TRUE(dlg.keyPageShown());
}

TEST_F(WindowTest, AFirstStartWithoutConfigBinShowsTheFirstRunLabels) {
    state.firstRunFlag = 0;
    // No config.bin: reported (start-up shows the box), the flag stays 0.
    ASSERT_EQ(stored.LoadConfig(FactorySettingsRecord()), ConfigLoad::Missing);
    stored.LoadLabels(dlg.labels());

    dlg.ShowKeyPage();

    const char* kColumn[] = {"Left Click", "Right Click", "Mid Click", "Snipe Key", "DPI Switch"};
    for (int layer = 0; layer < 2; ++layer) {
        for (int button = 0; button < 5; ++button) {
            EXPECT_EQ(host.calls[2 + layer * 5 + button].substr(0, 6 + strlen(kColumn[button])),
                      std::string("text '") + kColumn[button]);
        }
        EXPECT_THAT(state.records.working.buttonFunction[layer],
                    ElementsAre(0, 1, 2, 11, 5, 12, 12, 12))
            << "the factory record's functions, which the labels name";
    }
    EXPECT_EQ(ini.writes.size(), 16u) << "the labels are stored";
    EXPECT_EQ(ini.Read(stored.paths().strIniPath, L"Setting-EN", L"Item83", L"", 100), L"Key Off");
}

TEST_F(WindowTest, TheFirstRunHandlingRunsOnTheFirstShowOnly) {
    state.firstRunFlag = 0;
    dlg.ShowKeyPage();
    dlg.labels()[0][0] = L"Fire Key-A";
    dlg.ShowDpiPage();
    host.Clear();
    dlg.ShowKeyPage();
    EXPECT_EQ(host.calls[2], "text 'Fire Key-A' 83,195,178,224 left page");
}

// The first-run labels that cannot be stored: one box as Save shows it,
// once, and the page shows them all the same.
TEST_F(WindowTest, AFirstRunWhoseLabelsCannotBeStoredShowsOneBox) {
    state.firstRunFlag = 0;
    ini.failFromWrite = 1;
    ini.failError = 5;
    dlg.ShowKeyPage();
    EXPECT_EQ(messages.shown,
              (std::vector<ShownMessage>{{MessageKind::ConfigWriteError, Caption::NullFp, 5}}));
    EXPECT_EQ(host.calls[2], "text 'Left Click' 83,195,178,224 left page");
    EXPECT_EQ(host.calls.back(), "present");
    dlg.ShowDpiPage();
    dlg.ShowKeyPage();
    EXPECT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(ini.attempts, 1);
}

TEST_F(WindowTest, AToolThatRanBeforeKeepsItsStoredLabels) {
    dlg.labels()[1][4] = L"Key Off";
    dlg.ShowKeyPage();
    EXPECT_EQ(host.calls[11], "text 'Key Off' 528,430,623,459 left page");
    EXPECT_TRUE(ini.writes.empty());
}

TEST_F(WindowTest, WithoutABackBufferThePagesOnlyCopy) {
    host.hasBackBuffer = false;
    dlg.ShowKeyPage();
    EXPECT_EQ(host.Count("image"), 0);
    EXPECT_EQ(host.Count("present"), 1);
    host.Clear();
    state.records.working.dpiLevel[0] = 2;
    dlg.ShowDpiPage();
    EXPECT_THAT(host.calls, ElementsAre("pass", "present"));
    EXPECT_EQ(dlg.dpiText(0), L"") << "the texts are not rebuilt";
}

TEST_F(WindowTest, TheDpiPageShowsTheStageTextsOfTheSensor) {
    state.sensorType = 1;
    state.records.working.dpiLevel[0] = 1;
    state.records.working.dpiLevel[1] = 3;
    state.records.working.dpiLevel[2] = 6;
    ShowPage(kKeyPage);
    dlg.ShowDpiPage();
    ASSERT_EQ(host.calls.size(), 6u);
    EXPECT_EQ(host.calls[2], "text '" + Narrow(dlg.dpiText(0)) + "' 498,238,598,267 centred page");
    EXPECT_EQ(dlg.dpiText(0), DpiText(1, 1));
    EXPECT_EQ(dlg.dpiText(2), DpiText(1, 6));
}

TEST_F(WindowTest, ListNotificationsOfUnknownListsAreIgnored) {
    StartOnKeyPage();
    for (int id : {0, 30, 39, 40, 47, 50, 59, 100}) {
        dlg.OnListNotify(id, ChildEvent::ListSelectionChanged);
        dlg.OnListNotify(id, ChildEvent::ListDoubleClicked);
    }
    EXPECT_THAT(host.calls, IsEmpty());
}

}  // namespace
}  // namespace corvane::testing
