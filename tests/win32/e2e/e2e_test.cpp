// The real executables started as a user would, driven from this process
// through the window's class name and real messages, and checked by their
// files, the simulated mouse's memory, exit codes and the window's pixels.
// Screenshots are kept under the work folder's "screenshots".
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <map>

#include "driver_win32.h"
#include "e2e_fixture.h"
#include "meaning/apply.h"
#include "meaning/factory_settings.h"
#include "settings/settings_files.h"
#include "ui/main/main_layout.h"

namespace corvane::e2e {
namespace {

TEST_F(EndToEnd, BothExecutablesCarryIcon710ManifestAndVersion) {
    for (const char* distribution : {"Corvane", "CorvaneDemo"}) {
        const fs::path exe = kDist / distribution / "Corvane1.0.exe";
        HMODULE module = LoadLibraryExW(exe.wstring().c_str(), nullptr,
                                        LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
        ASSERT_NE(module, nullptr) << distribution;
        EXPECT_NE(FindResourceW(module, MAKEINTRESOURCEW(710), RT_GROUP_ICON), nullptr);
        EXPECT_NE(FindResourceW(module, MAKEINTRESOURCEW(1), RT_MANIFEST), nullptr);
        EXPECT_NE(FindResourceW(module, MAKEINTRESOURCEW(1), RT_VERSION), nullptr);
        FreeLibrary(module);
        EXPECT_EQ(fs::file_size(kDist / distribution / "config.bin"), 180u);
        EXPECT_TRUE(fs::exists(kDist / distribution / "Skins/CHS/main.png"));
        EXPECT_TRUE(fs::exists(kDist / distribution / "Skins/EN/main.png"));
    }
    EXPECT_TRUE(fs::exists(kDist / "Corvane-" CORVANE_E2E_VERSION "-windows-x64.zip"));
    EXPECT_TRUE(fs::exists(kDist / "CorvaneDemo-" CORVANE_E2E_VERSION "-windows-x64.zip"));
}

TEST_F(EndToEnd, SecondInstanceExitsWithZeroAndCreatesNoWindow) {
    Program first;
    HWND window = StartDemo(first);
    ASSERT_NE(window, nullptr);
    // Started directly, so that its exit code comes back.
    Program second(folder_ / "Corvane1.0.exe", {});
    EXPECT_EQ(second.WaitForExit(kStartTimeoutMs), std::optional<DWORD>(0));
    EXPECT_TRUE(second.WindowsOf(kMainClass).empty());
    EXPECT_TRUE(second.WindowsOf(kDialogBoxClass).empty()) << "silently";
    EXPECT_EQ(first.WindowsOf(kMainClass).size(), 1u);
    EndThroughTrayMenu(first, window);
}

TEST_F(EndToEnd, WithoutTheMouseOneWarningATrayIconAndAHiddenWindow) {
    // The real program: no such mouse under Wine.
    Program program = Start(Install("Corvane"));
    HWND box = program.WaitForWindow(kDialogBoxClass, kWarning, kStartTimeoutMs);
    ASSERT_NE(box, nullptr);
    // The box's own message loop runs the program now: the box is complete.
    ASSERT_TRUE(WaitUntilAnswered(box, kWindowTimeoutMs));
    EXPECT_EQ(MessageBoxText(box), L"The system did not detect the gaming mouse!");
    EXPECT_EQ(program.WindowsOf(kDialogBoxClass, kWarning).size(), 1u);
    CloseMessageBox(box);

    HWND window = program.WaitForWindow(kMainClass, nullptr, kStartTimeoutMs);
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(WaitUntil("the warning box to close", kWindowTimeoutMs,
                          [&] { return program.WindowsOf(kDialogBoxClass).empty(); }));
    // A later box would hold the start-up in its own loop until closed.
    ASSERT_TRUE(WaitUntilStartedUp(window, kStartTimeoutMs));
    EXPECT_TRUE(program.WindowsOf(kDialogBoxClass).empty()) << "exactly one box";
    EXPECT_TRUE(TrayIconExists(window));
    EXPECT_FALSE(IsWindowVisible(window));

    // Sent: handled to its end when it returns.
    ASSERT_TRUE(ClickTray(window));
    EXPECT_FALSE(IsWindowVisible(window)) << "the tray warns instead of showing";
    EXPECT_TRUE(program.WindowsOf(kDialogBoxClass).empty());
    EndThroughTrayMenu(program, window);
    EXPECT_FALSE(TrayIconExists(window));
}

TEST_F(EndToEnd, DemoStartsHiddenAndTheTrayShowsTheKeyPage) {
    Program program;
    HWND window = StartDemo(program);
    ASSERT_NE(window, nullptr);
    EXPECT_FALSE(IsWindowVisible(window));
    EXPECT_TRUE(TrayIconExists(window));
    EXPECT_TRUE(program.WindowsOf(kDialogBoxClass).empty()) << "no box with the mouse present";

    ASSERT_TRUE(ShowFromTray(window));
    ASSERT_TRUE(IsWindowVisible(window));
    RECT client{};
    GetClientRect(window, &client);
    EXPECT_EQ(client.right, 760);
    EXPECT_EQ(client.bottom, 630);

    const Pixels expected = ExpectedKeyPage("EN");
    const Pixels shown = CaptureShowing(window, expected, RECT{0, 0, 760, 630}, KeyBoxes(),
                                        "the window to show the English key page");
    Keep(shown, "demo-en-key-page");
    ASSERT_EQ(shown.width, expected.width);
    EXPECT_EQ(DifferingPixels(shown, expected, RECT{0, 0, 760, 630}, KeyBoxes()), 0);

    PointerTo(window, CentreOf(kSaveButton));
    const Pixels saveOver =
        Compose(expected, kAssets / "Skins/EN/Save-over.png", kSaveButton.left, kSaveButton.top);
    const Pixels hovered = CaptureShowing(window, saveOver, RectOf(kSaveButton),
                                          Corners(kSaveButton), "Save lit under the pointer");
    Keep(hovered, "demo-en-save-hover");
    EXPECT_EQ(DifferingPixels(hovered, saveOver, RectOf(kSaveButton), Corners(kSaveButton)), 0);

    PointerTo(window, POINT{100, 140});
    const Pixels saveNormal =
        Compose(expected, kAssets / "Skins/EN/Save-normal.png", kSaveButton.left, kSaveButton.top);
    const Pixels restored =
        CaptureShowing(window, saveNormal, RectOf(kSaveButton), Corners(kSaveButton),
                       "Save unlit once the pointer has left it");
    EXPECT_EQ(DifferingPixels(restored, saveNormal, RectOf(kSaveButton), Corners(kSaveButton)), 0);
    PointerAway();

    EXPECT_EQ(SendMessageW(window, WM_USER + 2, 5, 1), 0);
    EXPECT_EQ(SendMessageW(window, WM_USER + 2, 5, 3), 0);
    EndThroughTrayMenu(program, window);
}

TEST_F(EndToEnd, SaveWritesTheStoredFilesAndWhatApplyComputesToTheMouse) {
    Program program;
    HWND window = StartDemoShown(program);
    ASSERT_NE(window, nullptr);
    const std::vector<std::uint8_t> memoryBefore = ReadFileBytes(folder_ / "simulated-mouse.bin");
    ASSERT_EQ(memoryBefore.size(), kDeviceImageSize);
    EXPECT_EQ(ReadFileBytes(folder_ / "config.bin")[0], 0) << "factory config.bin";

    ASSERT_TRUE(SaveAndWait(window, folder_ / "config.bin"));

    const std::vector<std::uint8_t> config = ReadFileBytes(folder_ / "config.bin");
    ASSERT_EQ(config.size(), 180u);
    EXPECT_EQ(config[0], 1);
    const auto stored = ParseConfigFile(config);
    ASSERT_TRUE(stored);
    const SettingsRecord factory = FactorySettingsRecord();
    EXPECT_EQ(0, std::memcmp(&stored->record, &factory, sizeof factory));
    EXPECT_EQ(IniValue(folder_ / "str.ini", L"Setting-EN", L"Item1"), L"Left Click");
    EXPECT_EQ(IniValue(folder_ / "str.ini", L"Setting-EN", L"Item43"), L"Snipe Key");

    // What the program holds: the memory it read, the first-run tables and
    // the record patched in.
    DeviceImage expected{};
    std::memcpy(&expected, memoryBefore.data(), kDeviceImageSize);
    WriteDefaultDeviceTables(expected);
    PatchDeviceImage(stored->record, expected.page4.sensorType, expected);
    const std::vector<std::uint8_t> memoryAfter = ReadFileBytes(folder_ / "simulated-mouse.bin");
    ASSERT_EQ(memoryAfter.size(), kDeviceImageSize);
    EXPECT_EQ(memoryAfter,
              std::vector<std::uint8_t>(expected.bytes().begin(), expected.bytes().end()));
    EndThroughTrayMenu(program, window);
}

// Exit must throw away a value the saved record does not hold: report-rate
// position 4 (1000 Hz) against the factory's 125 Hz. Shown again from the
// tray, the LED page marks the restored rate, and Save stores it.
TEST_F(EndToEnd, ExitRestoresTheSavedSettings) {
    ASSERT_NE(FactorySettingsRecord().reportRate, 1) << "the click must change the record";
    Program program;
    HWND window = StartDemoShown(program);
    ASSERT_NE(window, nullptr);
    // Posted clicks are handled in the order they were posted.
    ClickAt(window, CentreOf(kLedTab));
    ClickAt(window, CentreOf(kReportRatePositions[3]));
    const RECT rates{kReportRatePositions[0].left, kReportRatePositions[0].top,
                     kReportRatePositions[3].right, kReportRatePositions[3].bottom};
    const Pixels changedPage = ExpectedLedPage("EN", 3);
    const Pixels changed =
        CaptureShowing(window, changedPage, rates, {}, "the click to mark 1000 Hz");
    EXPECT_EQ(DifferingPixels(changed, changedPage, rates, {}), 0) << "the click marks 1000 Hz";

    ClickAt(window, CentreOf(kExitButton));
    ASSERT_TRUE(WaitUntil("Exit to hide the window", kWindowTimeoutMs,
                          [&] { return !IsWindowVisible(window); }));
    ASSERT_TRUE(ShowFromTray(window));
    const Pixels restoredPage = ExpectedLedPage("EN", 0);
    const Pixels restored =
        CaptureShowing(window, restoredPage, rates, {}, "the page shown again to mark 125 Hz");
    Keep(restored, "demo-en-led-after-exit");
    EXPECT_EQ(DifferingPixels(restored, restoredPage, rates, {}), 0)
        << "shown again, the page marks 125 Hz";

    ASSERT_TRUE(SaveAndWait(window, folder_ / "config.bin"));
    const std::vector<std::uint8_t> config = ReadFileBytes(folder_ / "config.bin");
    ASSERT_FALSE(config.empty());
    EXPECT_EQ(config[0], 1);
    const auto stored = ParseConfigFile(config);
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->record.reportRate, FactorySettingsRecord().reportRate);
    EXPECT_EQ(ReadFileBytes(folder_ / "simulated-mouse.bin").at(0),
              FactorySettingsRecord().reportRate);
    EndThroughTrayMenu(program, window);
}

TEST_F(EndToEnd, CloseEndsTheProcessWithZeroAndWritesNothing) {
    Program program;
    HWND window = StartDemoShown(program);
    ASSERT_NE(window, nullptr);
    const auto config = ReadFileBytes(folder_ / "config.bin");
    const auto labels = ReadFileBytes(folder_ / "str.ini");
    const auto memory = ReadFileBytes(folder_ / "simulated-mouse.bin");
    ClickAt(window, CentreOf(kCloseButton), false);
    EXPECT_EQ(program.WaitForExit(kExitTimeoutMs), std::optional<DWORD>(0));
    EXPECT_EQ(ReadFileBytes(folder_ / "config.bin"), config);
    EXPECT_EQ(ReadFileBytes(folder_ / "str.ini"), labels);
    EXPECT_EQ(ReadFileBytes(folder_ / "simulated-mouse.bin"), memory);
}

// corvanectl beside the running window: the window holds the settings, so a
// set is refused and leaves config.bin as it was; after the window's Close
// the same set goes through.
TEST_F(EndToEnd, CorvanectlWritesNothingWhileTheWindowRuns) {
    Program program;
    HWND window = StartDemoShown(program);
    ASSERT_NE(window, nullptr);
    const fs::path ctl = folder_ / "corvanectl.exe";
    const auto config = ReadFileBytes(folder_ / "config.bin");
    Program refused(ctl, {}, L"set rate 500");
    ASSERT_TRUE(refused.started());
    EXPECT_EQ(refused.WaitForExit(kExitTimeoutMs), std::optional<DWORD>(1));
    EXPECT_EQ(ReadFileBytes(folder_ / "config.bin"), config);

    ClickAt(window, CentreOf(kCloseButton), false);
    ASSERT_EQ(program.WaitForExit(kExitTimeoutMs), std::optional<DWORD>(0));
    Program done(ctl, {}, L"set rate 500");
    EXPECT_EQ(done.WaitForExit(kExitTimeoutMs), std::optional<DWORD>(0));
    const auto stored = ParseConfigFile(ReadFileBytes(folder_ / "config.bin"));
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->record.reportRate, 2);
}

struct LanguageStart {
    const wchar_t* locale;
    const char* skin;
    const wchar_t* section;
    const wchar_t* firstLabel;
    const char* screenshot;
};

class EndToEndLanguage : public EndToEnd, public ::testing::WithParamInterface<LanguageStart> {};

TEST_P(EndToEndLanguage, SkinFontsAndTextsFollowTheSystemLanguage) {
    const LanguageStart& c = GetParam();
    Program program;
    HWND window = StartDemoShown(program, c.locale);
    ASSERT_NE(window, nullptr);
    const Pixels expected = ExpectedKeyPage(c.skin);
    const Pixels shown =
        CaptureShowing(window, expected, RECT{0, 0, 760, 630}, KeyBoxes(),
                       std::string("the window to show the key page of skin ") + c.skin);
    Keep(shown, c.screenshot);
    ASSERT_EQ(shown.width, expected.width);
    EXPECT_EQ(DifferingPixels(shown, expected, RECT{0, 0, 760, 630}, KeyBoxes()), 0);
    EXPECT_EQ(IniValue(folder_ / "str.ini", c.section, L"Item1"), c.firstLabel);
    EXPECT_EQ(IniValue(folder_ / "str.ini", L"Setting-EN", L"Item1"), L"");
    EndThroughTrayMenu(program, window);
}

INSTANTIATE_TEST_SUITE_P(Languages, EndToEndLanguage,
                         ::testing::Values(LanguageStart{L"zh_CN.UTF-8", "CHS", L"Setting-CHS",
                                                         L"左键", "demo-chs-key-page"},
                                           LanguageStart{L"zh_TW.UTF-8", "EN", L"Setting-CHT",
                                                         L"左鍵", "demo-cht-key-page"}),
                         [](const auto& info) {
                             return std::string(info.param.skin) +
                                    (info.index == 0 ? "Simplified" : "Traditional");
                         });

}  // namespace
}  // namespace corvane::e2e
