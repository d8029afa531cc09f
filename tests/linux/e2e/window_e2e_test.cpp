// corvane driven as a user drives it, with real X input on a bare X server
// (no window manager): the window at start, a choice in a key list saved to
// the files and the mouse, the typical fire key edit, a single key from a
// real key press, Exit, Min, the drag by hand, Close, and a Chinese start.
#include <gtest/gtest.h>

#include <cstring>

#include "corvane_fixture.h"
#include "meaning/factory_settings.h"
#include "ui/dialogs/dialog_layout.h"
#include "ui/main/main_layout.h"

namespace corvane::e2e {
namespace {

constexpr int kMidClick = static_cast<int>(ButtonFunction::MidClick);
constexpr int kFireKey = static_cast<int>(ButtonFunction::FireKey);
constexpr int kSingleKey = static_cast<int>(ButtonFunction::SingleKey);
constexpr int kFireKeyA = 5;  // "A" in the fire key dialog's list

class WindowEndToEnd : public CorvaneTest {
  protected:
    // A click at the dialog's client point `p`.
    void ClickInDialog(WindowId dialog, Point p) {
        ASSERT_TRUE(desktop.Click(dialog, p.x + kDialogBorder, p.y + kDialogBorder));
    }
    // The client of the dialog once `rect` of it changed from `before`.
    bool WaitForChange(WindowId dialog, const QImage& before, const Rect& rect) {
        return WaitUntil(
            [&] {
                const QImage now = DialogClient(desktop.Capture(dialog));
                return DifferingPixels(
                           now.copy(rect.left, rect.top, rect.Width(), rect.Height()),
                           before.copy(rect.left, rect.top, rect.Width(), rect.Height()), {}) > 0;
            },
            kWaitMs);
    }
    DeviceImage MouseImage() {
        DeviceImage image{};
        const std::vector<std::uint8_t> bytes = Memory();
        EXPECT_EQ(bytes.size(), sizeof image);
        std::memcpy(&image, bytes.data(), std::min(bytes.size(), sizeof image));
        return image;
    }
};

TEST_F(WindowEndToEnd, TheWindowShowsTheKeyPageAndANewFolderGetsTheFactorySettings) {
    const std::optional<WindowId> window = Start();
    ASSERT_TRUE(window);
    const QImage expected = WindowsScreenshot("keys-en");
    EXPECT_EQ(DifferingPixels(CaptureShowing(*window, expected, KeyBoxes()), expected, KeyBoxes()),
              0);
    EXPECT_EQ(desktop.NameOf(*window), "Gaming Mouse Setting");
    EXPECT_TRUE(Boxes().empty()) << Log();
    const auto factory = FactoryConfigFile();
    EXPECT_EQ(ConfigBytes(), std::vector<std::uint8_t>(factory.begin(), factory.end()));
    EXPECT_TRUE(WaitUntil([&] { return Label(L"Setting-EN", L"Item1") == L"Left Click"; }, kWaitMs))
        << "the first display installs the factory labels";
    EXPECT_EQ(Close(*window), 0);
}

TEST_F(WindowEndToEnd, AChoiceInAKeyListReachesTheFilesAndTheMouse) {
    const std::optional<WindowId> window = Start();
    ASSERT_TRUE(window);
    ChooseInKeyList(*window, 0, 1, kMidClick);
    ASSERT_TRUE(Save(*window));
    EXPECT_EQ(StoredRecord()->buttonFunction[0][1], kMidClick);
    EXPECT_EQ(StoredRecord()->buttonFunction[1][1], static_cast<int>(ButtonFunction::RightClick));
    EXPECT_TRUE(WaitUntil([&] { return Label(L"Setting-EN", L"Item2") == L"Mid Click"; }, kWaitMs));
    EXPECT_EQ(Label(L"Setting-EN", L"Item23"), L"Right Click");
    EXPECT_TRUE(WaitUntil(
        [&] {
            return MouseImage().page3.buttonTable0[1] == (ButtonEntry{0xF2, 0x00});
        },
        kWaitMs));
    EXPECT_EQ(Close(*window), 0);
}

TEST_F(WindowEndToEnd, TheTypicalEditStoresFireKeyAThreeTimes) {
    const std::optional<WindowId> window = Start();
    ASSERT_TRUE(window);
    ChooseInKeyList(*window, 0, 3, kFireKey);
    const std::optional<WindowId> dialog = WaitForDialog();
    ASSERT_TRUE(dialog);
    const DialogLayout& layout = LayoutOf(DialogKind::FireKey);

    QImage before = DialogClient(desktop.Capture(*dialog));
    ClickInDialog(*dialog, CentreOf(*layout.dropdown));
    ASSERT_TRUE(WaitForChange(*dialog, before, layout.list->rect)) << "the key list opens";
    const Rect list = layout.list->rect;
    before = DialogClient(desktop.Capture(*dialog));
    ClickInDialog(*dialog, Point{(list.left + list.right) / 2, list.top + 1 + 16 * kFireKeyA + 8});
    ASSERT_TRUE(WaitForChange(*dialog, before, kFireKeyText)) << "A shows in the box";

    const Rect times = kFireKeyNumberBoxes[0].box;
    before = DialogClient(desktop.Capture(*dialog));
    ClickInDialog(*dialog, CentreOf(times));
    ASSERT_TRUE(desktop.Keys({"ctrl+a", "3"}));
    ASSERT_TRUE(WaitForChange(*dialog, before, times));
    ClickInDialog(*dialog, CentreOf(layout.accept));
    ASSERT_TRUE(WaitUntilDialogClosed(*dialog));

    ASSERT_TRUE(Save(*window));
    EXPECT_TRUE(WaitUntil(
        [&] {
            const std::vector<std::uint8_t> memory = Memory();
            return memory.size() == kDeviceImageSize && memory[138] == 0x04 && memory[139] == 0x83;
        },
        kWaitMs))
        << "image bytes 138-139: A, a fire key repeating 3 times";
    EXPECT_EQ(StoredRecord()->fireKeyChoice[0][3], kFireKeyA);
    EXPECT_EQ(StoredRecord()->fireCount[0][3], 3);
    EXPECT_TRUE(
        WaitUntil([&] { return Label(L"Setting-EN", L"Item4") == L"Fire Key-A"; }, kWaitMs));
    EXPECT_EQ(Close(*window), 0);
}

// The key's position is stored, whatever the desktop calls it.
TEST_F(WindowEndToEnd, ASingleKeyComesFromARealKeyPress) {
    const std::optional<WindowId> window = Start();
    ASSERT_TRUE(window);
    ChooseInKeyList(*window, 0, 4, kSingleKey);
    const std::optional<WindowId> dialog = WaitForDialog();
    ASSERT_TRUE(dialog);
    const QImage before = DialogClient(desktop.Capture(*dialog));
    ClickInDialog(*dialog, Point{300, 150});
    ASSERT_TRUE(desktop.Focus(*dialog));
    ASSERT_TRUE(desktop.Keys({"a"}));
    ASSERT_TRUE(WaitForChange(*dialog, before, kSingleKeyBox)) << "the key's name in the box";
    ClickInDialog(*dialog, CentreOf(LayoutOf(DialogKind::SingleKey).accept));
    ASSERT_TRUE(WaitUntilDialogClosed(*dialog));
    ASSERT_TRUE(Save(*window));
    EXPECT_EQ(StoredRecord()->singleKeyCode[0][4], 0x04);
    EXPECT_TRUE(
        WaitUntil([&] { return Label(L"Setting-EN", L"Item5") == L"Single Key-A"; }, kWaitMs));
    EXPECT_EQ(Close(*window), 0);
}

// Without a window manager Exit cannot minimise: the window stays and shows
// the restored settings at once, as the tray's show would.
TEST_F(WindowEndToEnd, ExitDiscardsAnEdit) {
    const std::optional<WindowId> window = Start();
    ASSERT_TRUE(window);
    const QImage expected = WindowsScreenshot("keys-en");
    const QImage start = CaptureShowing(*window, expected, KeyBoxes());
    ChooseInKeyList(*window, 0, 1, kMidClick);
    const Rect box = kKeyBoxes[0][1];
    const auto boxOf = [&](const QImage& image) {
        return image.copy(box.left, box.top, box.Width(), box.Height());
    };
    ASSERT_TRUE(
        WaitUntil([&] { return boxOf(desktop.Capture(*window)) != boxOf(start); }, kWaitMs));
    const Point exit = CentreOf(kExitButton);
    ASSERT_TRUE(desktop.Click(*window, exit.x, exit.y));
    ASSERT_TRUE(desktop.MoveToScreen(1200, 1000));
    EXPECT_TRUE(WaitUntil([&] { return boxOf(desktop.Capture(*window)) == boxOf(start); }, kWaitMs))
        << "the box shows the saved function again";
    ASSERT_TRUE(Save(*window));
    EXPECT_EQ(StoredRecord()->buttonFunction[0][1], static_cast<int>(ButtonFunction::RightClick));
    EXPECT_TRUE(
        WaitUntil([&] { return Label(L"Setting-EN", L"Item2") == L"Right Click"; }, kWaitMs));
    EXPECT_EQ(Close(*window), 0);
}

// With no window manager the press that no region takes moves the window
// by hand, and Min leaves it where it is (nothing could bring it back).
TEST_F(WindowEndToEnd, ADragMovesTheWindowMinKeepsItAndCloseEndsWithZero) {
    const std::optional<WindowId> window = Start();
    ASSERT_TRUE(window);
    ASSERT_TRUE(desktop.Press(*window, 300, 150));
    ASSERT_TRUE(desktop.MoveToScreen(320, 160));
    ASSERT_TRUE(desktop.MoveToScreen(340, 175));
    ASSERT_TRUE(desktop.Release());
    EXPECT_TRUE(WaitUntil(
        [&] {
            const std::optional<Geometry> at = desktop.GeometryOf(*window);
            return at && at->x == 40 && at->y == 25;
        },
        kWaitMs));

    const Point min = CentreOf(kMinButton);
    ASSERT_TRUE(desktop.Click(*window, min.x, min.y));
    const QImage expected = WindowsScreenshot("keys-en");
    // A button left directly keeps its over look until the pointer moves
    // inside the window outside the hot regions.
    ASSERT_TRUE(desktop.MoveTo(*window, 300, 150));
    ASSERT_TRUE(desktop.MoveToScreen(1200, 1000));
    // Min's normal look drawn over its over look blends their soft edges
    // (as on Windows): the button itself is left out.
    std::vector<Rect> excluded = KeyBoxes();
    excluded.push_back(kMinButton);
    EXPECT_EQ(DifferingPixels(CaptureShowing(*window, expected, excluded), expected, excluded), 0)
        << "still shown, whole";
    EXPECT_EQ(Close(*window), 0);
    EXPECT_TRUE(desktop.WindowsOf(kClass).empty());
}

// The options are read before Qt starts: no display is needed for them.
TEST_F(WindowEndToEnd, VersionHelpAndUsageErrorsNeedNoDisplay) {
    const std::vector<std::string> noDisplay = EnvironmentWith({{"DISPLAY", std::nullopt}});
    const CommandResult version = RunCommand({kCorvane.string(), "--version"}, noDisplay);
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.out, "corvane 1.0.0\n");
    const CommandResult help = RunCommand({kCorvane.string(), "--help"}, noDisplay);
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_NE(help.out.find("--simulate"), std::string::npos) << help.out;
    EXPECT_EQ(RunCommand({kCorvane.string(), "--frobnicate"}, noDisplay).exitCode, 2);
}

TEST_F(WindowEndToEnd, AChineseLocaleDrawsTheChineseSkinAndTexts) {
    const std::optional<WindowId> window = Start("zh_CN.UTF-8");
    ASSERT_TRUE(window);
    const QImage expected = WindowsScreenshot("keys-chs");
    EXPECT_EQ(DifferingPixels(CaptureShowing(*window, expected, KeyBoxes()), expected, KeyBoxes()),
              0);
    EXPECT_TRUE(WaitUntil([&] { return Label(L"Setting-CHS", L"Item1") == L"左键"; }, kWaitMs));
    EXPECT_EQ(Label(L"Setting-EN", L"Item1"), L"");
    EXPECT_EQ(Close(*window), 0);
}

}  // namespace
}  // namespace corvane::e2e
