// The Linux window against the Windows program's screenshots under Wine
// (docs/screenshots, taken from the running Windows demo by its end-to-end
// tests): each page and the fire key dialog, in the same state, equal them
// pixel for pixel outside the text rectangles and the child controls. The
// share of equal pixels inside the text rectangles is reported (the fonts
// differ: DejaVu Sans and Noto Sans CJK here, Tahoma and WenQuanYi there).
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "corvane_fixture.h"
#include "ui/dialogs/dialog_layout.h"
#include "ui/main/main_layout.h"
#include "ui/main/pages/dpi_page.h"
#include "ui/skin/dropdown_box.h"

namespace corvane::e2e {
namespace {

struct Language {
    const char* locale;
    const char* name;  // of the screenshots
};

class Fidelity : public CorvaneTest, public ::testing::WithParamInterface<Language> {
  protected:
    // Expects `shown` equal to the screenshot outside `texts` and
    // `controls`, and reports the share inside the texts.
    void ExpectLikeWindows(WindowId window, const std::string& screenshot,
                           const std::vector<Rect>& texts, const std::vector<Rect>& controls) {
        const QImage expected = WindowsScreenshot(screenshot);
        ASSERT_FALSE(expected.isNull()) << screenshot;
        std::vector<Rect> excluded = texts;
        excluded.insert(excluded.end(), controls.begin(), controls.end());
        const QImage shown = CaptureShowing(window, expected, excluded);
        Keep(shown, "linux-" + screenshot);
        EXPECT_EQ(DifferingPixels(shown, expected, excluded), 0) << screenshot;
        const double share = EqualShareInside(shown, expected, texts);
        RecordProperty(screenshot + "-equal-inside-texts", std::to_string(share));
        std::printf("%s: equal outside texts and controls; %.1f%% of the text pixels equal\n",
                    screenshot.c_str(), 100.0 * share);
    }
    void PointerAway() { ASSERT_TRUE(desktop.MoveToScreen(1270, 1020)); }
    void ClickOn(WindowId window, const Rect& r) {
        const Point p = CentreOf(r);
        ASSERT_TRUE(desktop.Click(window, p.x, p.y));
    }
};

TEST_P(Fidelity, EveryPageAndTheFireKeyDialogEqualTheWindowsScreenshots) {
    const std::string name = GetParam().name;
    const std::optional<WindowId> window = Start(GetParam().locale);
    ASSERT_TRUE(window) << Log();
    ExpectLikeWindows(*window, "keys-" + name, KeyBoxes(), {});

    // The DPI page with stage 1's list open and the pointer resting on
    // "1500" (its sixth item).
    ClickOn(*window, kDpiTab);
    ClickOn(*window, kDpiStageBoxes[0]);
    const Rect list = *DpiListRect(kDpiStageBoxes[0], 0);
    ASSERT_TRUE(desktop.MoveTo(*window, (list.left + list.right) / 2, list.top + 1 + 16 * 5 + 8));
    const std::vector<Rect> stages(std::begin(kDpiStageBoxes), std::end(kDpiStageBoxes));
    ExpectLikeWindows(*window, "dpi-" + name, stages, {list});

    // The list lies over the LED tab: a second click on its box closes it.
    ClickOn(*window, kDpiStageBoxes[0]);
    PointerAway();
    ClickOn(*window, kLedTab);
    PointerAway();
    ExpectLikeWindows(*window, "led-" + name, {}, {});

    // The fire key dialog as it opens from button 2's list.
    ClickOn(*window, kKeyTab);
    PointerAway();
    const QImage keys = WindowsScreenshot("keys-" + name);
    ASSERT_EQ(DifferingPixels(CaptureShowing(*window, keys, KeyBoxes()), keys, KeyBoxes()), 0);
    ChooseInKeyList(*window, 0, 1, static_cast<int>(ButtonFunction::FireKey));
    const std::optional<WindowId> dialog = WaitForDialog();
    ASSERT_TRUE(dialog);
    PointerAway();
    std::vector<Rect> texts = {LayoutOf(DialogKind::FireKey).dropdown->Inset(0, kBoxArrowWidth),
                               kFireKeyTimeNote, kFireKeyTimesNote};
    std::vector<Rect> boxes;
    for (const NumberBox& box : kFireKeyNumberBoxes) {
        texts.push_back(box.label);
        boxes.push_back(box.box);
    }
    ExpectLikeWindows(*dialog, "dialog-fire-key-" + name, texts, boxes);
    ASSERT_TRUE(desktop.Keys({"Escape"}));
    ASSERT_TRUE(WaitUntilDialogClosed(*dialog));
    EXPECT_EQ(Close(*window), 0);
}

INSTANTIATE_TEST_SUITE_P(Languages, Fidelity,
                         ::testing::Values(Language{"", "en"}, Language{"zh_CN.UTF-8", "chs"}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace corvane::e2e
