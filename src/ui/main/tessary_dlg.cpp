#include "ui/main/tessary_dlg.h"

#include <algorithm>
#include <iterator>
#include <utility>

#include "settings/apply.h"
#include "settings/dpi_table.h"

namespace corvane {
namespace {

// Regions tested on every page, in the dispatcher's order. A region that
// does not stop lets the dispatcher go on with the next test; a click that
// nothing stops ends as a window drag.
struct EveryPageRegion {
    Rect rect;
    void (CTessaryDlg::*action)();
    bool stops;
};
constexpr EveryPageRegion kEveryPageRegions[] = {
    {kSaveButton, &CTessaryDlg::Save, false},    {kExitButton, &CTessaryDlg::Exit, false},
    {kMinButton, &CTessaryDlg::Minimise, true},  {kCloseButton, &CTessaryDlg::Close, true},
    {kKeyTab, &CTessaryDlg::ShowKeyPage, false}, {kDpiTab, &CTessaryDlg::ShowDpiPage, false},
    {kLedTab, &CTessaryDlg::ShowLedPage, false},
};

// The LED page's groups in the order the dispatcher tests them.
struct LedGroup {
    const Rect* positions;
    int count;
};
constexpr LedGroup kLedGroups[] = {
    {kReportRatePositions, static_cast<int>(std::size(kReportRatePositions))},
    {kLightingRows, static_cast<int>(std::size(kLightingRows))},
    {kModeTwoParamRows, static_cast<int>(std::size(kModeTwoParamRows))},
};

// What Default sets besides the button functions.
constexpr std::uint8_t kDefaultDpiLevels[kDpiStages] = {1, 3, 6};
constexpr std::uint8_t kDefaultLedMode = 2;
constexpr std::uint8_t kDefaultLedParamB = 3;
constexpr std::uint8_t kDefaultReportRate = 8;

constexpr bool InRange(int value, int first, int last) {
    return first <= value && value <= last;
}

}  // namespace

CTessaryDlg::CTessaryDlg(AppState& state, MainWindowHost& host, UserMessages& messages,
                         const TextTable& texts, StoredFiles& files,
                         std::function<void()> writeDevice)
    : state_(state),
      host_(host),
      messages_(messages),
      texts_(texts),
      files_(files),
      writeDevice_(std::move(writeDevice)) {}

// ---------------------------------------------------------------- dispatcher

void CTessaryDlg::OnLButtonDown(Point p) {
    for (const EveryPageRegion& region : kEveryPageRegions) {
        if (region.rect.Contains(p)) {
            (this->*region.action)();
            if (region.stops) {
                return;
            }
        }
    }
    // The page tests see the page a tab click has just shown.
    bool consumed = false;
    switch (currentPage_) {
        case kKeyPage:
            consumed = KeyPageClick(p);
            break;
        case kDpiPage:
            consumed = DpiPageClick(p);
            break;
        case kLedPage:
            consumed = LedPageClick(p);
            break;
        default:
            break;
    }
    if (!consumed) {
        host_.StartDrag();
    }
}

bool CTessaryDlg::KeyPageClick(Point p) {
    CloseKeyListsOutside(p);
    if (kDefaultButton.Contains(p)) {
        Default();
        return true;
    }
    for (int layer = 0; layer < kKeyLayerCount; ++layer) {
        for (int button = 0; button < kClickableKeyButtonCount; ++button) {
            if (kKeyBoxes[layer][button].Contains(p)) {
                KeyBoxClick(layer, button);
                return true;
            }
        }
    }
    return false;
}

bool CTessaryDlg::DpiPageClick(Point p) {
    CloseDpiListsOutside(p);
    for (int stage = 0; stage < kDpiStageCount; ++stage) {
        if (kDpiStageBoxes[stage].Contains(p)) {
            DpiStageBoxClick(stage);
            return true;
        }
    }
    return false;
}

bool CTessaryDlg::LedPageClick(Point p) {
    for (int group = 0; group < static_cast<int>(std::size(kLedGroups)); ++group) {
        for (int position = 0; position < kLedGroups[group].count; ++position) {
            if (kLedGroups[group].positions[position].Contains(p)) {
                LedPositionClick(group, position);
                return true;
            }
        }
    }
    return false;
}

void CTessaryDlg::CloseKeyListsOutside(Point p) {
    for (int layer = 0; layer < kKeyLayerCount; ++layer) {
        for (int button = 0; button < kKeyBoxButtonCount; ++button) {
            const int id = KeyListId(layer, button);
            if (!kKeyListZones[layer][button].Contains(p) &&
                !kKeyBoxes[layer][button].Contains(p) && host_.ListExists(id)) {
                host_.DestroyList(id);
                keyListOpen_[layer][button] = false;
            }
        }
    }
}

void CTessaryDlg::CloseDpiListsOutside(Point p) {
    for (int stage = 0; stage < kDpiStageCount; ++stage) {
        const int id = DpiListId(stage);
        if (host_.ListExists(id) && !kDpiListZones[stage].Contains(p) &&
            !kDpiStageBoxes[stage].Contains(p)) {
            host_.DestroyList(id);
            dpiListOpen_[stage] = false;
        }
    }
}

void CTessaryDlg::CloseAllKeyLists() {
    for (int layer = 0; layer < kKeyLayerCount; ++layer) {
        for (int button = 0; button < kKeyBoxButtonCount; ++button) {
            const int id = KeyListId(layer, button);
            if (host_.ListExists(id)) {
                host_.DestroyList(id);
            }
            keyListOpen_[layer][button] = false;
        }
    }
}

void CTessaryDlg::CloseAllDpiLists() {
    for (int stage = 0; stage < kDpiListCount; ++stage) {
        const int id = DpiListId(stage);
        if (stage < kDpiStageCount && host_.ListExists(id)) {
            host_.DestroyList(id);
        }
        dpiListOpen_[stage] = false;
    }
}

void CTessaryDlg::PageLeave() {
    if (currentPage_ == kKeyPage || currentPage_ == kLedPage) {
        CloseAllDpiLists();
    }
    if (currentPage_ == kDpiPage || currentPage_ == kLedPage) {
        CloseAllKeyLists();
    }
}

// The page operations below are hooks for the pages; a click on their
// regions is consumed (it does not drag) and changes nothing yet.
void CTessaryDlg::KeyBoxClick(int /*layer*/, int /*button*/) {}
void CTessaryDlg::DpiStageBoxClick(int /*stage*/) {}
void CTessaryDlg::LedPositionClick(int /*group*/, int /*position*/) {}
void CTessaryDlg::KeyListNotification() {}
void CTessaryDlg::DpiListNotification() {}

void CTessaryDlg::OnListNotify(int id, int code) {
    // Layer 1 key lists report no double click here; the identifier ranges
    // are wider than the lists in use.
    const bool keyList =
        (code == kListSelectionChanged && (InRange(id, 31, 38) || InRange(id, 41, 46))) ||
        (code == kListDoubleClicked && InRange(id, 31, 38));
    const bool dpiList = (code == kListSelectionChanged && InRange(id, 51, 54)) ||
                         (code == kListDoubleClicked && InRange(id, 51, 58));
    if (keyList) {
        KeyListNotification();
    } else if (dpiList) {
        DpiListNotification();
    }
}

// ------------------------------------------------------------ window buttons

void CTessaryDlg::Save() {
    ApplySettings(state_, writeDevice_, files_, labels_);
    // Taken whatever Apply did: a Save with the mouse absent still makes the
    // edits the new backup.
    state_.records.TakeBackup();
}

void CTessaryDlg::Exit() {
    state_.records.RestoreBackup();
    refreshOnShow_ = true;
    host_.Hide();
}

void CTessaryDlg::Minimise() {
    host_.Hide();
}

void CTessaryDlg::Close() {
    host_.EndProgram();
}

void CTessaryDlg::Default() {
    if (host_.RunDialog(DialogKind::KeysRecover, DialogInputs{}).result != kDialogAccepted) {
        return;
    }
    SettingsRecord& record = state_.records.working;
    std::fill(std::begin(record.dpiStageOn), std::end(record.dpiStageOn), std::uint8_t{1});
    std::copy(std::begin(kDefaultDpiLevels), std::end(kDefaultDpiLevels), record.dpiLevel);
    record.ledMode = kDefaultLedMode;
    record.ledParamB = kDefaultLedParamB;
    record.reportRate = kDefaultReportRate;
    for (int layer = 0; layer < kLayerCount; ++layer) {
        for (int button = 0; button < kButtonSlots; ++button) {
            const ButtonFunction function = kDefaultButtonFunctions[button];
            record.buttonFunction[layer][button] = static_cast<std::uint8_t>(function);
            labels_[layer][button] = std::wstring(texts_.functionNames[static_cast<int>(function)]);
        }
    }
    host_.BeginDrawingPass();
    for (int layer = 0; layer < kKeyLayerCount; ++layer) {
        for (int button = 0; button < kClickableKeyButtonCount; ++button) {
            host_.DrawImage(kImageDropdownNormal, kKeyBoxes[layer][button].TopLeft());
            DrawKeyBoxText(layer, button);
        }
    }
    host_.Present();
}

// --------------------------------------------------------------------- pages

void CTessaryDlg::ShowKeyPage() {
    if (currentPage_ == kKeyPage) {
        return;
    }
    currentPage_ = kKeyPage;
    PageLeave();
    if (host_.BeginDrawingPass()) {
        host_.DrawImage(kImageKeySet, {0, 0});
    }
    if (!keyPageShown_) {
        ApplyFirstRunDefaults(state_, labels_, texts_.functionNames, files_);
        keyPageShown_ = true;
    }
    for (int layer = 0; layer < kKeyLayerCount; ++layer) {
        for (int button = 0; button < kClickableKeyButtonCount; ++button) {
            DrawKeyBoxText(layer, button);
        }
    }
    host_.Present();
}

void CTessaryDlg::ShowDpiPage() {
    if (currentPage_ == kDpiPage) {
        return;
    }
    currentPage_ = kDpiPage;
    PageLeave();
    // Without a back buffer the texts are not rebuilt; only the copy happens.
    if (host_.BeginDrawingPass()) {
        host_.DrawImage(kImageDpiSet, {0, 0});
        for (int stage = 0; stage < kDpiStageCount; ++stage) {
            dpiText_[stage] =
                std::wstring(DpiText(state_.sensorType, state_.records.working.dpiLevel[stage]));
            DrawDpiBoxText(stage);
        }
    }
    host_.Present();
}

void CTessaryDlg::ShowLedPage() {
    if (currentPage_ == kLedPage) {
        return;
    }
    currentPage_ = kLedPage;
    PageLeave();
    if (host_.BeginDrawingPass()) {
        host_.DrawImage(kImageLedSet, {0, 0});
    }
    host_.Present();
}

void CTessaryDlg::DrawKeyBoxText(int layer, int button) {
    host_.DrawText(labels_[layer][button], KeyBoxTextRect(kKeyBoxes[layer][button]),
                   TextFormat::LeftAligned, FontKind::Page);
}

void CTessaryDlg::DrawDpiBoxText(int stage) {
    host_.DrawText(dpiText_[stage], DpiBoxTextRect(kDpiStageBoxes[stage]), TextFormat::Centred,
                   FontKind::Page);
}

// ---------------------------------------------------------------- pre-filter

bool CTessaryDlg::PreFilter(const FilterMessage& message) {
    if (message.kind == FilterMessage::Kind::KeyDown &&
        (message.virtualKey == kVirtualKeyEnter || message.virtualKey == kVirtualKeyEscape)) {
        host_.Hide();
        return true;
    }
    if (message.kind != FilterMessage::Kind::PointerMove ||
        (currentPage_ != kKeyPage && currentPage_ != kDpiPage)) {
        return false;
    }
    const std::optional<int> under = host_.ListUnderScreenPoint(message.screenPoint);
    if (!under) {
        return false;
    }
    // The lists of the current page, in their fixed order.
    std::array<int, kKeyLayerCount * kKeyBoxButtonCount> ids{};
    int count = 0;
    if (currentPage_ == kKeyPage) {
        for (int layer = 0; layer < kKeyLayerCount; ++layer) {
            for (int button = 0; button < kKeyBoxButtonCount; ++button) {
                ids[count++] = KeyListId(layer, button);
            }
        }
    } else {
        for (int stage = 0; stage < kDpiStageCount; ++stage) {
            ids[count++] = DpiListId(stage);
        }
    }
    for (int i = 0; i < count; ++i) {
        if (ids[i] == *under && host_.ListExists(ids[i])) {
            if (const std::optional<int> item = host_.ListItemAt(ids[i], message.screenPoint)) {
                host_.SetListSelection(ids[i], *item);
            }
            break;
        }
    }
    return false;
}

// ------------------------------------------------------------ drawing, hover

bool CTessaryDlg::OnEraseBackground() {
    host_.RepaintFromBackBuffer();
    return true;
}

bool CTessaryDlg::InHotRegionOfPage(Point p) const {
    return std::any_of(kHotRegions.begin(), kHotRegions.end(), [&](const HotRegionInfo& info) {
        return (info.page == kNoPage || info.page == currentPage_) && info.rect.Contains(p);
    });
}

void CTessaryDlg::OnMouseMove(Point p) {
    if (InHotRegionOfPage(p)) {
        host_.RequestHover(kHoverMilliseconds);
        return;
    }
    RestoreFirstFlagged();
}

void CTessaryDlg::RestoreFirstFlagged() {
    for (HotRegion region : kRestoreOrder) {
        if (hoverFlag(region)) {
            host_.BeginDrawingPass();
            RestoreIfFlagged(region);
            host_.Present();
            return;
        }
    }
}

void CTessaryDlg::DrawRegion(HotRegion region, bool over) {
    const HotRegionInfo& info = InfoOf(region);
    host_.DrawImage(over ? info.overImage : info.normalImage, info.rect.TopLeft());
    switch (info.text) {
        case RegionText::KeyLabel:
            DrawKeyBoxText(info.layer, info.button);
            break;
        case RegionText::DpiText:
            DrawDpiBoxText(info.button);
            break;
        case RegionText::None:
            break;
    }
}

void CTessaryDlg::RestoreIfFlagged(HotRegion region) {
    if (hoverFlag(region)) {
        DrawRegion(region, false);
        SetHover(region, false);
    }
}

void CTessaryDlg::HoverButton(const ButtonHover& hover) {
    DrawRegion(hover.button, true);
    SetHover(hover.button, true);
    for (int i = 0; i < hover.neighbourCount; ++i) {
        RestoreIfFlagged(hover.neighbours[i]);
    }
}

void CTessaryDlg::OnMouseHover(Point p) {
    for (const ButtonHover& hover : kButtonHovers) {
        if (InfoOf(hover.button).rect.Contains(p)) {
            host_.BeginDrawingPass();
            HoverButton(hover);
            host_.Present();
            return;
        }
    }
    if (currentPage_ == kDpiPage) {
        for (int stage = 0; stage < kDpiStageCount; ++stage) {
            if (kDpiStageBoxes[stage].Contains(p)) {
                host_.BeginDrawingPass();
                DrawRegion(DpiBoxRegion(stage), true);
                SetHover(DpiBoxRegion(stage), true);
                host_.Present();
                return;
            }
        }
    }
    if (currentPage_ == kKeyPage && InHotRegionOfPage(p)) {
        host_.BeginDrawingPass();
        if (kDefaultButton.Contains(p)) {
            HoverButton(kDefaultHover);
        }
        for (int layer = 0; layer < kKeyLayerCount; ++layer) {
            for (int button = 0; button < kClickableKeyButtonCount; ++button) {
                if (kKeyBoxes[layer][button].Contains(p)) {
                    DrawRegion(KeyBoxRegion(layer, button), true);
                    SetHover(KeyBoxRegion(layer, button), true);
                }
            }
        }
        host_.Present();
    }
}

void CTessaryDlg::OnMouseLeave() {
    // Nothing is redrawn: a button left directly keeps its over image until
    // the pointer next moves inside the window outside the hot regions.
}

ControlColourChoice CTessaryDlg::ControlColour(ControlCategory category, int id) const {
    ColourWord ledColour[kLedColourStaticCount];
    for (int k = 0; k < kLedColourStaticCount; ++k) {
        const Rgb& colour = state_.records.working.ledColour[k];
        ledColour[k] = {colour.red, colour.green, colour.blue};
    }
    return ControlColourFor(category, id, ledColour);
}

}  // namespace corvane
