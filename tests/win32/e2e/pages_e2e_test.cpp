// The three pages of the demo driven as a user would: a click on a box, the
// pointer resting on an item of its list and a click on the item; then Save,
// checked by config.bin, str.ini and the simulated mouse's memory. Also the
// left-click rule's box, the labels of a start in another language, and a
// screenshot of every page in English and Simplified Chinese.
#include <gtest/gtest.h>

#include <cstring>
#include <optional>
#include <string>

#include "driver_win32.h"
#include "e2e_fixture.h"
#include "settings/settings_files.h"
#include "settings/settings_record.h"
#include "ui/main/main_layout.h"
#include "ui/main/main_window_tables.h"

namespace corvane::e2e {
namespace {

constexpr DWORD kListTimeoutMs = 5000;

class PagesEndToEnd : public EndToEnd {
  protected:
    // Clicks `box`, checks that its list `id` opens with `items` entries and
    // chooses entry `index` in it.
    void ChooseInBox(HWND window, const Rect& box, int id, int items, int index) {
        ClickAt(window, CentreOf(box));
        HWND list = WaitForList(window, id, kListTimeoutMs);
        ASSERT_NE(list, nullptr) << "list " << id;
        EXPECT_EQ(ListItemCount(list), items);
        ASSERT_TRUE(ChooseListItem(list, index, kListTimeoutMs)) << "item " << index;
        ASSERT_TRUE(WaitUntilListClosed(list, window, "a choice to close the list"));
    }

    // Save of the factory config.bin, which then carries the first-run flag.
    void SaveFromFactory(HWND window) {
        ASSERT_TRUE(SaveAndWait(window, folder_ / "config.bin"));
        ASSERT_EQ(ReadFileBytes(folder_ / "config.bin").at(0), 1);
    }

    DeviceImage MouseMemory() {
        DeviceImage image{};
        const std::vector<std::uint8_t> bytes = ReadFileBytes(folder_ / "simulated-mouse.bin");
        EXPECT_EQ(bytes.size(), sizeof image);
        std::memcpy(&image, bytes.data(), std::min(bytes.size(), sizeof image));
        return image;
    }

    std::wstring Label(const wchar_t* section, const wchar_t* key) {
        return IniValue(folder_ / "str.ini", section, key);
    }
};

TEST_F(PagesEndToEnd, MidClickChosenInAKeyListReachesTheFilesAndTheMouse) {
    Program program;
    HWND window = StartDemoShown(program);
    ASSERT_NE(window, nullptr);
    ChooseInBox(window, kKeyBoxes[0][1], KeyListId(0, 1), 14, 2);
    Keep(CaptureClient(window), "demo-en-mid-click-chosen");
    SaveFromFactory(window);

    const std::optional<SettingsRecord> record = StoredRecord();
    ASSERT_TRUE(record);
    EXPECT_EQ(record->buttonFunction[0][1], static_cast<int>(ButtonFunction::MidClick));
    EXPECT_EQ(record->buttonFunction[1][1], static_cast<int>(ButtonFunction::RightClick));
    EXPECT_EQ(Label(L"Setting-EN", L"Item2"), L"Mid Click");
    EXPECT_EQ(Label(L"Setting-EN", L"Item23"), L"Right Click");
    EXPECT_EQ(MouseMemory().page3.buttonTable0[1], (ButtonEntry{0xF2, 0x00}));
    EndThroughTrayMenu(program, window);
}

TEST_F(PagesEndToEnd, ADpiStageAndTheReportRateReachTheFilesAndTheMouse) {
    Program program;
    HWND window = StartDemoShown(program);
    ASSERT_NE(window, nullptr);
    ClickAt(window, CentreOf(kDpiTab));
    // Sensor type 0 of the demo: twelve values, "2500" at index 8.
    ChooseInBox(window, kDpiStageBoxes[0], DpiListId(0), 12, 8);
    ClickAt(window, CentreOf(kLedTab));
    ClickAt(window, CentreOf(kReportRatePositions[3]));
    SaveFromFactory(window);

    const std::optional<SettingsRecord> record = StoredRecord();
    ASSERT_TRUE(record);
    EXPECT_EQ(record->dpiLevel[0], 8);
    EXPECT_EQ(record->reportRate, 1);
    const DeviceImage memory = MouseMemory();
    EXPECT_EQ(memory.page4.dpiCode[0], 0x25);
    EXPECT_EQ(memory.reportRate, 1);
    EndThroughTrayMenu(program, window);
}

TEST_F(PagesEndToEnd, TheOnlyLeftClickShowsTheWarningAndOpensNoList) {
    Program program;
    HWND window = StartDemoShown(program);
    ASSERT_NE(window, nullptr);
    ClickAt(window, CentreOf(kKeyBoxes[0][0]));
    HWND box = program.WaitForWindow(kDialogBoxClass, kWarning, kListTimeoutMs);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(MessageBoxText(box), L"Left key must be selected!");
    CloseMessageBox(box);
    ASSERT_TRUE(WaitUntil("the warning box to close", kWindowTimeoutMs,
                          [&] { return program.WindowsOf(kDialogBoxClass).empty(); }));
    ASSERT_TRUE(WaitUntilAnswered(window, kWindowTimeoutMs));
    EXPECT_EQ(GetDlgItem(window, KeyListId(0, 0)), nullptr);

    ChooseInBox(window, kKeyBoxes[0][2], KeyListId(0, 2), 14, 0);  // a second Left Click
    ClickAt(window, CentreOf(kKeyBoxes[0][0]));
    EXPECT_NE(WaitForList(window, KeyListId(0, 0), kListTimeoutMs), nullptr);
    EXPECT_TRUE(program.WindowsOf(kDialogBoxClass).empty());
    EndThroughTrayMenu(program, window);
}

// Labels are stored per language: a Chinese start after an English Save
// finds none of its own and builds them from the stored functions.
TEST_F(PagesEndToEnd, AChineseStartAfterAnEnglishSaveShowsLabelsInEveryBox) {
    {
        Program english;
        HWND window = StartDemoShown(english);
        ASSERT_NE(window, nullptr);
        SaveFromFactory(window);
        EndThroughTrayMenu(english, window);
    }
    Program chinese = Start(folder_ / "Corvane1.0.exe", L"zh_CN.UTF-8");
    HWND window = chinese.WaitForWindow(kMainClass, nullptr, kStartTimeoutMs);
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(WaitUntilStartedUp(window, kStartTimeoutMs));
    ASSERT_TRUE(ShowFromTray(window));
    const Pixels empty = ExpectedKeyPage("CHS");
    const Pixels shown =
        CaptureShowing(window, empty, RECT{0, 0, 760, 630}, KeyBoxes(), "the Chinese key page");
    Keep(shown, "demo-chs-after-english-save");
    for (int layer = 0; layer < kKeyLayerCount; ++layer) {
        for (int button = 0; button < kClickableKeyButtonCount; ++button) {
            EXPECT_GT(DifferingPixels(shown, empty, RectOf(kKeyBoxes[layer][button]), {}), 20)
                << "a label in box " << layer << "," << button;
        }
    }
    ASSERT_TRUE(SaveAndWait(window, folder_ / "config.bin"));
    EXPECT_EQ(Label(L"Setting-CHS", L"Item1"), L"左键");
    EXPECT_EQ(Label(L"Setting-CHS", L"Item2"), L"右键");
    EXPECT_EQ(Label(L"Setting-CHS", L"Item5"), L"DPI切换");
    EXPECT_EQ(Label(L"Setting-CHS", L"Item13"), L"左键");
    EXPECT_EQ(Label(L"Setting-EN", L"Item1"), L"Left Click") << "the English labels stay";
    EndThroughTrayMenu(chinese, window);
}

struct PageLanguage {
    const wchar_t* locale;
    const char* skin;
    const char* name;
};

class PagesInLanguage : public PagesEndToEnd, public ::testing::WithParamInterface<PageLanguage> {};

// Every page as the skin draws it, apart from the boxes' texts and the
// open list; kept as the README's screenshots.
TEST_P(PagesInLanguage, EveryPageDrawsItsImageMarksAndTexts) {
    const PageLanguage& c = GetParam();
    Program program;
    HWND window = StartDemoShown(program, c.locale);
    ASSERT_NE(window, nullptr);
    const std::string prefix = std::string("page-") + c.name + "-";
    const Pixels keyPage = ExpectedKeyPage(c.skin);
    ExpectShowing(window, keyPage, KeyBoxes(), "the key page", prefix + "keys");

    ClickAt(window, CentreOf(kDpiTab));
    ClickAt(window, CentreOf(kDpiStageBoxes[0]));
    HWND list = WaitForList(window, DpiListId(0), kListTimeoutMs);
    ASSERT_NE(list, nullptr);
    ASSERT_TRUE(PointAtListItem(list, 5, kListTimeoutMs));
    RECT listRect{};
    GetWindowRect(list, &listRect);
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&listRect), 2);
    std::vector<RECT> dpiTexts = {listRect};
    for (const Rect& box : kDpiStageBoxes) {
        dpiTexts.push_back(RectOf(box));
    }
    const Pixels dpiPage = ExpectedPage(c.skin, "DPISet.png");
    ExpectShowing(window, dpiPage, dpiTexts, "the DPI page", prefix + "dpi");

    PointerAway();
    ClickAt(window, CentreOf(kLedTab));
    const Pixels ledPage = ExpectedLedPage(c.skin, 0);
    ExpectShowing(window, ledPage, {}, "the LED page", prefix + "led");
    EndThroughTrayMenu(program, window);
}

INSTANTIATE_TEST_SUITE_P(Languages, PagesInLanguage,
                         ::testing::Values(PageLanguage{L"en_US.UTF-8", "EN", "en"},
                                           PageLanguage{L"zh_CN.UTF-8", "CHS", "chs"}),
                         [](const auto& info) { return std::string(info.param.skin); });

}  // namespace
}  // namespace corvane::e2e
