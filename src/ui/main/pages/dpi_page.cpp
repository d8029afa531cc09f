#include "ui/main/pages/dpi_page.h"

#include <vector>

#include "settings/dpi_table.h"
#include "ui/main/main_window_tables.h"

namespace corvane {
namespace {

// The three stage lists and the fourth, never opened (no box, no zone).
constexpr DropdownSlot kDpiListSlots[kDpiListCount] = {
    {DpiListId(0), kDpiStageBoxes[0], kDpiListZones[0]},
    {DpiListId(1), kDpiStageBoxes[1], kDpiListZones[1]},
    {DpiListId(2), kDpiStageBoxes[2], kDpiListZones[2]},
    {DpiListId(3), Rect{}, Rect{}},
};

constexpr IdRange kSelectionIds[] = {{51, 54}};
constexpr IdRange kDoubleClickIds[] = {{51, 58}};

// A list right of its box: 80 pixels wide and 195 high, bottoms aligned.
constexpr int kRightListOffset = 128;
constexpr int kRightListWidth = 80;
constexpr int kRightListHeight = 195;
// A list below its box: as wide as the box, 140 high, one pixel below it.
constexpr int kBelowListGap = 1;
constexpr int kBelowListHeight = 140;

constexpr std::uint8_t kTwelveValueSensor = 0;
constexpr std::uint8_t kLastEightValueSensor = 3;

}  // namespace

std::optional<Rect> DpiListRect(const Rect& box, std::uint8_t sensorType) {
    if (sensorType == kTwelveValueSensor) {
        return Rect{box.left + kRightListOffset, box.bottom - kRightListHeight,
                    box.right + kRightListWidth, box.bottom};
    }
    if (sensorType <= kLastEightValueSensor) {
        return Rect{box.left, box.bottom + kBelowListGap, box.right,
                    box.bottom + kBelowListGap + kBelowListHeight};
    }
    return std::nullopt;
}

DpiPage::DpiPage(DeviceState& state, MainWindowHost& host)
    : state_(state), host_(host), lists_(host, kDpiListSlots, {kSelectionIds, kDoubleClickIds}) {}

void DpiPage::Show() {
    if (host_.BeginDrawingPass()) {
        host_.DrawImage(kImageDpiSet, {0, 0});
        for (int stage = 0; stage < kDpiStageCount; ++stage) {
            text_[stage] =
                std::wstring(DpiText(state_.sensorType, state_.records.working.dpiLevel[stage]));
            DrawBoxText(stage);
        }
    }
    host_.Present();
}

bool DpiPage::Click(Point p) {
    lists_.CloseOutside(p);
    if (const std::optional<int> stage = HotBoxAt(p)) {
        StageBoxClick(*stage);
        return true;
    }
    return false;
}

void DpiPage::StageBoxClick(int stage) {
    if (lists_.IsOpen(stage)) {
        lists_.Close(stage);
        return;
    }
    lists_.CloseOthers(stage);
    // A list left on screen without its flag (no selection when it
    // notified) stays as it is.
    if (lists_.Exists(stage)) {
        return;
    }
    // No DPI list for a sensor type outside the table: nothing opens.
    const std::optional<Rect> rect = DpiListRect(kDpiStageBoxes[stage], state_.sensorType);
    if (!rect) {
        return;
    }
    std::vector<std::wstring> items;
    for (const DpiChoice& choice : DpiChoicesOf(state_.sensorType)) {
        items.emplace_back(choice.text);
    }
    lists_.Open(stage, *rect, items);
}

void DpiPage::OnListNotify() {
    // At most one stage list exists: opening one destroys the others.
    bool drawing = false;
    for (int stage = 0; stage < kDpiStageCount; ++stage) {
        if (!lists_.Exists(stage)) {
            continue;
        }
        const int id = lists_.slot(stage).id;
        const std::optional<int> chosen = host_.ListSelection(id);
        if (!chosen) {
            break;  // nothing changes and nothing is drawn
        }
        if (!drawing) {
            host_.BeginDrawingPass();
            drawing = true;
        }
        text_[stage] = host_.ListText(id, *chosen);
        state_.records.working.dpiLevel[stage] = static_cast<std::uint8_t>(*chosen & 0xFF);
        host_.DrawImage(kImageDropdownNormal, kDpiStageBoxes[stage].TopLeft());
        DrawBoxText(stage);
        lists_.Close(stage);
    }
    if (drawing) {
        host_.Present();
    }
}

std::optional<int> DpiPage::HotBoxAt(Point p) const {
    for (int stage = 0; stage < kDpiStageCount; ++stage) {
        if (kDpiStageBoxes[stage].Contains(p)) {
            return stage;
        }
    }
    return std::nullopt;
}

void DpiPage::DrawBoxText(int stage) {
    host_.DrawText(text_[stage], DpiBoxTextRect(kDpiStageBoxes[stage]), TextFormat::Centred,
                   FontKind::Page);
}

}  // namespace corvane
