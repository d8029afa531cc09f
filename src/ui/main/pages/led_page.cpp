#include "ui/main/pages/led_page.h"

#include <cstdint>
#include <iterator>

#include "core/table_lookup.h"
#include "meaning/led_settings.h"
#include "ui/main/main_layout.h"

namespace corvane {
namespace {

constexpr int kNoMark = -1;

// The last position marks any value without a position when the page is
// shown, and none after a lighting click.
constexpr int kShowFallbackPosition = 3;

// The rows whose marks follow ledMode 0 and 2; the mode-1 rows follow ledParamA.
constexpr int kLightingOffRow = 0;
constexpr int kModeTwoRow = 1;

static_assert(kReportRateCount == std::size(kReportRatePositions));
static_assert(kLightingRowCount == std::size(kLightingRows));
static_assert(kModeTwoParameterCount == std::size(kModeTwoParamRows));

template <std::size_t N>
int HitIn(const Rect (&rects)[N], Point p) {
    return IndexWhere(rects, [p](const Rect& rect) { return rect.Contains(p); }).value_or(kNoMark);
}

}  // namespace

void LedPage::Show() {
    if (BeginPage()) {
        DrawReportRateMark(kShowFallbackPosition);
        DrawLightingMarks();
    }
    host_.Present();
}

bool LedPage::Click(Point p) {
    if (const int position = HitIn(kReportRatePositions, p); position != kNoMark) {
        ReportRateClick(position);
    } else if (const int row = HitIn(kLightingRows, p); row != kNoMark) {
        LightingRowClick(row);
    } else if (const int param = HitIn(kModeTwoParamRows, p); param != kNoMark) {
        ParameterRowClick(param);
    } else {
        return false;
    }
    return true;
}

void LedPage::ReportRateClick(int position) {
    if (BeginPage()) {
        DrawTick(kReportRatePositions[position]);
        DrawLightingMarks();
    }
    state_.records.working.reportRate = ReportRates()[static_cast<std::size_t>(position)].code;
    host_.Present();
}

void LedPage::LightingRowClick(int row) {
    if (BeginPage()) {
        DrawTick(kLightingRows[row]);
        if (row == kModeTwoRow) {
            DrawParameterMark();
        }
        DrawReportRateMark(kNoMark);
    }
    SettingsRecord& record = state_.records.working;
    const LightingRow& values = LightingRows()[static_cast<std::size_t>(row)];
    record.ledMode = values.mode;
    if (values.mode == kLightingModeOne) {
        record.ledParamA = values.paramA;
    }
    host_.Present();
}

void LedPage::ParameterRowClick(int row) {
    // The parameter rows belong to mode 2 and do nothing in another mode.
    if (state_.records.working.ledMode != kLightingModeTwo) {
        return;
    }
    if (BeginPage()) {
        DrawTick(kLightingRows[kModeTwoRow]);
        DrawTick(kModeTwoParamRows[row]);
        DrawReportRateMark(kNoMark);
    }
    state_.records.working.ledParamB = ModeTwoParameters()[static_cast<std::size_t>(row)];
    host_.Present();
}

bool LedPage::BeginPage() {
    if (!host_.BeginDrawingPass()) {
        return false;
    }
    host_.DrawImage(kImageLedSet, {0, 0});
    return true;
}

void LedPage::DrawTick(const Rect& at) {
    host_.DrawImage(kImageTick, at.TopLeft());
}

void LedPage::DrawLightingMarks() {
    const SettingsRecord& record = state_.records.working;
    switch (record.ledMode) {
        case kLightingOff:
            DrawTick(kLightingRows[kLightingOffRow]);
            break;
        case kLightingModeOne:
            if (const std::optional<int> row = ModeOneRowOf(record.ledParamA)) {
                DrawTick(kLightingRows[*row]);
            }
            break;
        case kLightingModeTwo:
            DrawTick(kLightingRows[kModeTwoRow]);
            DrawParameterMark();
            break;
        default:
            break;
    }
}

void LedPage::DrawParameterMark() {
    if (const std::optional<int> row = ModeTwoRowOf(state_.records.working.ledParamB)) {
        DrawTick(kModeTwoParamRows[*row]);
    }
}

void LedPage::DrawReportRateMark(int fallbackPosition) {
    int position = ReportRateOfCode(state_.records.working.reportRate).value_or(kNoMark);
    if (position == kNoMark) {
        position = fallbackPosition;
    }
    if (position != kNoMark) {
        DrawTick(kReportRatePositions[position]);
    }
}

}  // namespace corvane
