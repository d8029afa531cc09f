#include "ui/main/pages/led_page.h"

#include <cstdint>
#include <iterator>

#include "ui/main/main_layout.h"

namespace corvane {
namespace {

constexpr int kNoMark = -1;

// reportRate of each report-rate position (125, 250, 500, 1000 Hz).
constexpr std::uint8_t kReportRates[] = {8, 4, 2, 1};
// The last position marks any value without a position when the page is
// shown, and none after a lighting click.
constexpr int kShowFallbackPosition = 3;

constexpr std::uint8_t kLightingOff = 0;
constexpr std::uint8_t kModeOne = 1;
constexpr std::uint8_t kModeTwo = 2;

// What each lighting row sets: ledMode, and ledParamA for the mode-1 rows.
struct LightingRow {
    std::uint8_t mode;
    std::uint8_t paramA;  // 0: ledParamA unchanged
};
constexpr LightingRow kLightingRowValues[] = {
    {kLightingOff, 0}, {kModeTwo, 0}, {kModeOne, 10}, {kModeOne, 5}, {kModeOne, 1},
};
constexpr int kModeTwoRow = 1;
constexpr int kFirstModeOneRow = 2;

// ledParamB of each mode-2 parameter row.
constexpr std::uint8_t kModeTwoParams[] = {5, 3, 1};

static_assert(std::size(kReportRates) == std::size(kReportRatePositions));
static_assert(std::size(kLightingRowValues) == std::size(kLightingRows));
static_assert(std::size(kModeTwoParams) == std::size(kModeTwoParamRows));

template <class Value, std::size_t N>
int PositionOf(const Value (&values)[N], std::uint8_t value) {
    for (std::size_t i = 0; i < N; ++i) {
        if (values[i] == value) {
            return static_cast<int>(i);
        }
    }
    return kNoMark;
}

int ModeOneRowOf(std::uint8_t paramA) {
    for (int row = kFirstModeOneRow; row < static_cast<int>(std::size(kLightingRowValues)); ++row) {
        if (kLightingRowValues[row].paramA == paramA) {
            return row;
        }
    }
    return kNoMark;
}

template <std::size_t N>
int HitIn(const Rect (&rects)[N], Point p) {
    for (std::size_t i = 0; i < N; ++i) {
        if (rects[i].Contains(p)) {
            return static_cast<int>(i);
        }
    }
    return kNoMark;
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
    state_.records.working.reportRate = kReportRates[position];
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
    record.ledMode = kLightingRowValues[row].mode;
    if (kLightingRowValues[row].mode == kModeOne) {
        record.ledParamA = kLightingRowValues[row].paramA;
    }
    host_.Present();
}

void LedPage::ParameterRowClick(int row) {
    // The parameter rows belong to mode 2 and do nothing in another mode.
    if (state_.records.working.ledMode != kModeTwo) {
        return;
    }
    if (BeginPage()) {
        DrawTick(kLightingRows[kModeTwoRow]);
        DrawTick(kModeTwoParamRows[row]);
        DrawReportRateMark(kNoMark);
    }
    state_.records.working.ledParamB = kModeTwoParams[row];
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
            DrawTick(kLightingRows[0]);
            break;
        case kModeOne:
            if (const int row = ModeOneRowOf(record.ledParamA); row != kNoMark) {
                DrawTick(kLightingRows[row]);
            }
            break;
        case kModeTwo:
            DrawTick(kLightingRows[kModeTwoRow]);
            DrawParameterMark();
            break;
        default:
            break;
    }
}

void LedPage::DrawParameterMark() {
    if (const int row = PositionOf(kModeTwoParams, state_.records.working.ledParamB);
        row != kNoMark) {
        DrawTick(kModeTwoParamRows[row]);
    }
}

void LedPage::DrawReportRateMark(int fallbackPosition) {
    int position = PositionOf(kReportRates, state_.records.working.reportRate);
    if (position == kNoMark) {
        position = fallbackPosition;
    }
    if (position != kNoMark) {
        DrawTick(kReportRatePositions[position]);
    }
}

}  // namespace corvane
