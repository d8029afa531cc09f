// The main window's rectangles as the written description of the window
// gives them, typed here by hand rather than taken from the code's tables,
// and checked where the window uses them: a table typed wrong clicks,
// marks or closes in the wrong place and fails here.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "support/rect_probes.h"
#include "ui/main/window_fixture.h"

namespace corvane::testing {
namespace {

using ::testing::Contains;
using ::testing::Each;
using ::testing::IsEmpty;

std::string At(Point p) {
    // Appended piece by piece: GCC 12 at -O3 warns falsely on "(" + string.
    std::string text = "(";
    text += std::to_string(p.x) + ", " + std::to_string(p.y) + ")";
    return text;
}

// A choice of the LED page and the record after a click on it, from a
// record whose values no choice gives: report rate 0, mode 2 with mode-1
// parameter 7 and mode-2 parameter 9.
struct LedChoice {
    Rect rect;
    std::uint8_t reportRate, ledMode, ledParamA, ledParamB;
};
constexpr LedChoice kLedChoices[12] = {
    {{126, 434, 152, 461}, 8, 2, 7, 9},   // report rate 125 Hz
    {{246, 434, 272, 461}, 4, 2, 7, 9},   // 250 Hz
    {{366, 434, 392, 461}, 2, 2, 7, 9},   // 500 Hz
    {{476, 434, 502, 461}, 1, 2, 7, 9},   // 1000 Hz
    {{135, 200, 151, 227}, 0, 0, 7, 9},   // lighting off
    {{135, 237, 151, 264}, 0, 2, 7, 9},   // mode 2
    {{135, 274, 151, 301}, 0, 1, 10, 9},  // mode 1, parameter 10
    {{135, 310, 151, 337}, 0, 1, 5, 9},   // mode 1, parameter 5
    {{135, 347, 151, 374}, 0, 1, 1, 9},   // mode 1, parameter 1
    {{425, 200, 451, 227}, 0, 2, 7, 5},   // mode-2 parameter 5
    {{425, 237, 451, 264}, 0, 2, 7, 3},   // mode-2 parameter 3
    {{425, 274, 451, 301}, 0, 2, 7, 1},   // mode-2 parameter 1
};

std::string TickAt(const Rect& r) {
    return "image /PaneMakingTick.png " + std::to_string(r.left) + "," + std::to_string(r.top);
}

class LayoutGoldenTest : public WindowTest {
  protected:
    // The click at `p` on the LED page from the record above: the record it
    // leaves and the marks it draws.
    std::vector<std::string> LedClick(Point p) {
        record().reportRate = 0;
        record().ledMode = 2;
        record().ledParamA = 7;
        record().ledParamB = 9;
        ShowPage(kLedPage);
        dlg.OnLButtonDown(p);
        std::vector<std::string> ticks;
        for (const std::string& call : host.CallsOf("image")) {
            if (call.find("Tick") != std::string::npos) {
                ticks.push_back(call);
            }
        }
        return ticks;
    }
    void ExpectRecord(const LedChoice& c, const std::string& where) {
        EXPECT_EQ(record().reportRate, c.reportRate) << where;
        EXPECT_EQ(record().ledMode, c.ledMode) << where;
        EXPECT_EQ(record().ledParamA, c.ledParamA) << where;
        EXPECT_EQ(record().ledParamB, c.ledParamB) << where;
    }

    // A list opened by `open` stays open on a click anywhere in its close
    // zone and closes on a click just outside it (unless that is on its box).
    void ExpectCloseZone(const std::function<void()>& open, int id, Rect box, Rect zone) {
        for (const Point p : CornersInside(zone)) {
            open();
            ASSERT_TRUE(host.ListExists(id));
            dlg.OnLButtonDown(p);
            EXPECT_TRUE(host.ListExists(id)) << "list " << id << " closed at " << At(p);
        }
        for (const Point p : JustOutside(zone)) {
            if (box.Contains(p)) {
                continue;
            }
            open();
            dlg.OnLButtonDown(p);
            EXPECT_FALSE(host.ListExists(id)) << "list " << id << " stayed open at " << At(p);
        }
    }
};

TEST_F(LayoutGoldenTest, TheLedPagesTwelveRectanglesAreItsHitAreasAndMarks) {
    std::vector<std::string> marks;
    for (const LedChoice& c : kLedChoices) {
        marks.push_back(TickAt(c.rect));
    }
    for (const LedChoice& c : kLedChoices) {
        for (const Point p : CornersInside(c.rect)) {
            const std::vector<std::string> ticks = LedClick(p);
            ExpectRecord(c, At(p));
            EXPECT_THAT(ticks, Contains(TickAt(c.rect))) << At(p);
            EXPECT_THAT(ticks, Each(::testing::AnyOfArray(marks))) << At(p);
        }
        for (const Point p : JustOutside(c.rect)) {
            EXPECT_THAT(LedClick(p), IsEmpty()) << At(p);
            ExpectRecord({c.rect, 0, 2, 7, 9}, At(p));
        }
    }
}

TEST_F(LayoutGoldenTest, DpiListsCloseOutsideTheirZones) {
    const Rect boxes[3] = {{498, 238, 626, 267}, {498, 353, 626, 382}, {498, 468, 626, 497}};
    const Rect zones[3] = {{626, 107, 754, 267}, {626, 222, 754, 382}, {626, 337, 754, 497}};
    ShowPage(kDpiPage);
    for (int stage = 0; stage < 3; ++stage) {
        const int id = 51 + stage;
        const Rect box = boxes[stage];
        ExpectCloseZone(
            [&] {
                if (!host.ListExists(id)) {
                    dlg.OnLButtonDown({box.left, box.top});
                }
            },
            id, box, zones[stage]);
    }
}

TEST_F(LayoutGoldenTest, KeyListsOfLayer0Button4AndLayer1Button1OpenOnAndCloseOutsideTheirZones) {
    // Every button a right click: the left-click rule refuses no box.
    std::memset(record().buttonFunction, 1, sizeof record().buttonFunction);
    struct KeyList {
        int id;
        Rect box;
        Rect zone;
    };
    const KeyList lists[] = {
        {35, {78, 430, 206, 459}, {206, 233, 334, 459}},
        {42, {523, 254, 651, 283}, {523, 284, 651, 494}},
    };
    for (const KeyList& list : lists) {
        StartOnKeyPage();
        dlg.OnLButtonDown({list.box.right - 1, list.box.bottom - 1});
        EXPECT_THAT(host.CallsOf("create"),
                    ::testing::ElementsAre("create " + std::to_string(list.id) + " " +
                                           Describe(list.zone)));
        ExpectCloseZone(
            [&] {
                if (!host.ListExists(list.id)) {
                    dlg.OnLButtonDown({list.box.left, list.box.top});
                }
            },
            list.id, list.box, list.zone);
    }
}

}  // namespace
}  // namespace corvane::testing
