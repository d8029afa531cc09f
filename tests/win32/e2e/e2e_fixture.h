// The fixture of the end-to-end tests: a fresh copy of a distribution
// folder per test, the program started in a system language, shown from the
// tray and ended through the tray menu, screenshots kept under the work
// folder's "screenshots".
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "driver_win32.h"
#include "settings/settings_files.h"
#include "settings/settings_record.h"
#include "ui/main/main_layout.h"

namespace corvane::e2e {

namespace fs = std::filesystem;

// Bounds of the waits: a step that takes longer has failed.
inline constexpr DWORD kStartTimeoutMs = 20000;
inline constexpr DWORD kWindowTimeoutMs = 5000;  // shows, hides, answers
inline constexpr DWORD kPaintTimeoutMs = 5000;   // the screen shows what was drawn
inline constexpr DWORD kSaveTimeoutMs = 10000;
inline constexpr DWORD kExitTimeoutMs = 10000;
inline constexpr wchar_t kWarning[] = L"Warning";

inline const fs::path kDist = CORVANE_E2E_DIST_DIR;
inline const fs::path kAssets = CORVANE_E2E_ASSETS_DIR;
inline const fs::path kWork = CORVANE_E2E_WORK_DIR;

inline RECT RectOf(const Rect& r) {
    return RECT{r.left, r.top, r.right, r.bottom};
}

// The rounded corners of a button: partly transparent, so their pixels
// depend on how often the images were blended there.
inline std::vector<RECT> Corners(const Rect& r) {
    constexpr int k = 6;
    return {RECT{r.left, r.top, r.left + k, r.top + k},
            RECT{r.right - k, r.top, r.right, r.top + k},
            RECT{r.left, r.bottom - k, r.left + k, r.bottom},
            RECT{r.right - k, r.bottom - k, r.right, r.bottom}};
}

inline POINT CentreOf(const Rect& r) {
    return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

// Clicks Save and waits until its handler has returned: config.bin has
// been replaced (watched without opening it, which would make the replace
// fail) and the window answers again, so that str.ini, written after
// config.bin in the same handler, is complete too.
inline bool SaveAndWait(HWND window, const fs::path& config) {
    const std::optional<std::uint64_t> before = LastWriteTime(config);
    ClickAt(window, CentreOf(kSaveButton));
    return WaitUntil("Save to replace config.bin", kSaveTimeoutMs,
                     [&] {
                         const std::optional<std::uint64_t> now = LastWriteTime(config);
                         return now && now != before;
                     }) &&
           WaitUntilAnswered(window, kWindowTimeoutMs);
}

class EndToEnd : public ::testing::Test {
  protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        std::string name = info->name();
        std::replace(name.begin(), name.end(), '/', '_');
        folder_ = kWork / name;
        std::error_code ignored;
        fs::remove_all(folder_, ignored);
        fs::create_directories(kWork / "screenshots");
    }

    // A fresh copy of a distribution folder ("Corvane" or "CorvaneDemo").
    fs::path Install(const char* distribution) {
        fs::copy(kDist / distribution, folder_, fs::copy_options::recursive);
        for (const char* runtime : {"simulated-mouse.bin", "simulated-mouse-wire.log", "str.ini"}) {
            fs::remove(folder_ / runtime);
        }
        return folder_ / "Corvane1.0.exe";
    }

    // Starts a program in the system language of `locale`.
    Program Start(const fs::path& exe, const std::wstring& locale = L"en_US.UTF-8") {
        Program program = Program::WithLocale(exe, locale, kMainClass, kStartTimeoutMs);
        EXPECT_TRUE(program.started()) << exe;
        return program;
    }

    // Starts the demo and waits for the end of its start-up; none when
    // either does not come.
    HWND StartDemo(Program& program, const std::wstring& locale = L"en_US.UTF-8") {
        program = Start(Install("CorvaneDemo"), locale);
        HWND window = program.WaitForWindow(kMainClass, nullptr, kStartTimeoutMs);
        if (window == nullptr || !WaitUntilStartedUp(window, kStartTimeoutMs)) {
            return nullptr;
        }
        return window;
    }

    // Starts the demo and shows its window from the tray; none when a step
    // does not come.
    HWND StartDemoShown(Program& program, const std::wstring& locale = L"en_US.UTF-8") {
        HWND window = StartDemo(program, locale);
        return window != nullptr && ShowFromTray(window) ? window : nullptr;
    }

    // The tray click has shown the window when it returns true; the pointer
    // is then away from it, so that no region is lit.
    static bool ShowFromTray(HWND window) {
        const bool shown = ClickTray(window) &&
                           WaitUntil("the window to show after a tray click", kWindowTimeoutMs,
                                     [&] { return IsWindowVisible(window) != FALSE; });
        PointerAway();
        return shown;
    }

    // The client area once `area` of it shows `expected` outside `excluded`;
    // when it does not within the time, the last capture, for the assertion
    // that follows to report.
    static Pixels CaptureShowing(HWND window, const Pixels& expected, RECT area,
                                 const std::vector<RECT>& excluded, const std::string& awaited) {
        Pixels shown;
        WaitUntil(awaited, kPaintTimeoutMs, [&] {
            shown = CaptureClient(window);
            return shown.width == expected.width && shown.height == expected.height &&
                   DifferingPixels(shown, expected, area, excluded) == 0;
        });
        return shown;
    }

    void EndThroughTrayMenu(Program& program, HWND window) {
        PostMessageW(window, WM_COMMAND, 1028, 0);
        EXPECT_EQ(program.WaitForExit(kExitTimeoutMs), std::optional<DWORD>(0));
    }

    void Keep(const Pixels& pixels, const char* name) {
        SavePng(pixels, kWork / "screenshots" / (std::string(name) + ".png"));
    }

    // The key page as the skin draws it: the page over the background.
    Pixels ExpectedKeyPage(const char* skin) {
        const fs::path dir = kAssets / "Skins" / skin;
        return Compose(*LoadPngPixels(dir / "main.png"), dir / "KeySet.png", 0, 0);
    }

    // A page image over the background, with the tick mark at `ticks`.
    Pixels ExpectedPage(const char* skin, const char* page, const std::vector<Rect>& ticks = {}) {
        const fs::path dir = kAssets / "Skins" / skin;
        Pixels pixels = Compose(*LoadPngPixels(dir / "main.png"), dir / page, 0, 0);
        for (const Rect& at : ticks) {
            pixels = Compose(pixels, dir / "PaneMakingTick.png", at.left, at.top);
        }
        return pixels;
    }
    // The LED page of the factory's lighting (mode 2, parameter 3) with the
    // report-rate mark at `ratePosition` (0-3).
    Pixels ExpectedLedPage(const char* skin, int ratePosition) {
        return ExpectedPage(
            skin, "LEDSet.png",
            {kReportRatePositions[ratePosition], kLightingRows[1], kModeTwoParamRows[1]});
    }

    // The settings record of the config.bin beside the program; none when
    // the file does not parse.
    std::optional<SettingsRecord> StoredRecord() {
        const auto stored = ParseConfigFile(ReadFileBytes(folder_ / "config.bin"));
        return stored ? std::optional<SettingsRecord>(stored->record) : std::nullopt;
    }

    // A choice in a list closes it and the window it belongs to handles
    // what the choice started.
    static bool WaitUntilListClosed(HWND list, HWND window, const char* awaited) {
        return WaitUntil(awaited, kWindowTimeoutMs, [&] { return !IsWindow(list); }) &&
               WaitUntilAnswered(window, kWindowTimeoutMs);
    }

    // Waits until the whole client area shows `expected` outside
    // `excluded`, keeps it as `screenshot` and expects no other pixel.
    void ExpectShowing(HWND window, const Pixels& expected, const std::vector<RECT>& excluded,
                       const std::string& awaited, const std::string& screenshot) {
        const RECT all{0, 0, kClientWidth, kClientHeight};
        const Pixels shown = CaptureShowing(window, expected, all, excluded, awaited);
        Keep(shown, screenshot.c_str());
        EXPECT_EQ(DifferingPixels(shown, expected, all, excluded), 0) << awaited;
    }

    static std::vector<RECT> KeyBoxes() {
        std::vector<RECT> boxes;
        for (const auto& layer : kKeyBoxes) {
            for (const Rect& box : layer) {
                boxes.push_back(RectOf(box));
            }
        }
        return boxes;
    }

    fs::path folder_;
    GdiplusScope gdiplus_;
};

}  // namespace corvane::e2e
