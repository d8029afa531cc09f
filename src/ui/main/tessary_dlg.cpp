#include "ui/main/tessary_dlg.h"

#include <algorithm>
#include <utility>

#include "meaning/apply.h"
#include "meaning/factory_settings.h"
#include "meaning/function_labels.h"

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

}  // namespace

CTessaryDlg::CTessaryDlg(DeviceState& state, MainWindowHost& host, UserMessages& messages,
                         const TextTable& texts, SettingsFiles& files, MainWindowOwner& owner,
                         std::uint16_t systemLanguageId)
    : state_(state),
      host_(host),
      messages_(messages),
      texts_(texts),
      files_(files),
      owner_(owner),
      systemLanguageId_(systemLanguageId),
      keyPage_(state, host, messages, texts, files, systemLanguageId),
      dpiPage_(state, host),
      ledPage_(state, host) {}

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
    if (!PageClick(p)) {
        host_.StartDrag();
    }
}

bool CTessaryDlg::PageClick(Point p) {
    switch (currentPage_) {
        case kKeyPage:
            // The key page closes its lists away from the click first; the
            // Default button lies away from every box and list zone.
            if (keyPage_.Click(p)) {
                return true;
            }
            if (kDefaultButton.Contains(p)) {
                Default();
                return true;
            }
            return false;
        case kDpiPage:
            return dpiPage_.Click(p);
        case kLedPage:
            return ledPage_.Click(p);
        default:
            return false;
    }
}

void CTessaryDlg::PageLeave() {
    if (currentPage_ == kKeyPage || currentPage_ == kLedPage) {
        dpiPage_.Leave();
    }
    if (currentPage_ == kDpiPage || currentPage_ == kLedPage) {
        keyPage_.Leave();
    }
}

void CTessaryDlg::OnListNotify(int id, ChildEvent event) {
    if (keyPage_.Notifies(id, event)) {
        keyPage_.OnListNotify();
    } else if (dpiPage_.Notifies(id, event)) {
        dpiPage_.OnListNotify();
    }
}

// ------------------------------------------------------------ window buttons

void CTessaryDlg::Save() {
    // The mouse's write reports its own failure.
    const ApplyResult applied = ApplySettings(
        state_, [this] { return owner_.WriteMouse(); }, files_, labels());
    ShowSaveResult(messages_, applied.config);
    ShowSaveResult(messages_, applied.labels);
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
    owner_.EndProgram();
}

void CTessaryDlg::Default() {
    if (host_.RunDialog(DialogKind::KeysRecover, DialogInputs{state_.sensorType, systemLanguageId_})
            .result != kDialogAccepted) {
        return;
    }
    RestoreDefaults(state_.records.working, labels(), texts_);
    host_.BeginDrawingPass();
    for (int layer = 0; layer < kKeyLayerCount; ++layer) {
        for (int button = 0; button < kClickableKeyButtonCount; ++button) {
            keyPage_.DrawBox({layer, button});
        }
    }
    host_.Present();
}

// --------------------------------------------------------------------- pages

// Each show returns at once when its page is current; otherwise the page
// becomes current, the other pages' lists close and the page is drawn.
void CTessaryDlg::ShowKeyPage() {
    if (currentPage_ == kKeyPage) {
        return;
    }
    currentPage_ = kKeyPage;
    PageLeave();
    keyPage_.Show();
}

void CTessaryDlg::ShowDpiPage() {
    if (currentPage_ == kDpiPage) {
        return;
    }
    currentPage_ = kDpiPage;
    PageLeave();
    dpiPage_.Show();
}

void CTessaryDlg::ShowLedPage() {
    if (currentPage_ == kLedPage) {
        return;
    }
    currentPage_ = kLedPage;
    PageLeave();
    ledPage_.Show();
}

// The page shows return at once for the current page, so the page is made
// none first; every list of the pages closes as a change of page closes them.
void CTessaryDlg::RedrawCurrentPage() {
    const int page = currentPage_;
    switch (page) {
        case kKeyPage:
            keyPage_.Leave();
            LoadLabels();
            currentPage_ = kNoPage;
            ShowKeyPage();
            break;
        case kDpiPage:
            dpiPage_.Leave();
            currentPage_ = kNoPage;
            ShowDpiPage();
            break;
        case kLedPage:
            currentPage_ = kNoPage;
            ShowLedPage();
            break;
        default:
            break;
    }
}

void CTessaryDlg::LoadLabels() {
    files_.LoadLabels(labels());
    FillEmptyLabels(labels(), state_.records.working, texts_, systemLanguageId_, state_.sensorType);
}

// ---------------------------------------------------------------- pre-filter

bool CTessaryDlg::PreFilter(const FilterMessage& message) {
    if (message.kind == FilterMessage::Kind::KeyDown &&
        (message.key == Key::Enter || message.key == Key::Escape)) {
        host_.Hide();
        return true;
    }
    if (message.kind != FilterMessage::Kind::PointerMove) {
        return false;
    }
    const DropdownLists* lists = CurrentPageLists();
    const std::optional<int> under = host_.ListUnderScreenPoint(message.screenPoint);
    if (lists == nullptr || !under) {
        return false;
    }
    const std::optional<int> index = lists->IndexOfId(*under);
    if (index && lists->Exists(*index)) {
        if (const std::optional<int> item = host_.ListItemAt(*under, message.screenPoint)) {
            host_.SetListSelection(*under, *item);
        }
    }
    return false;
}

const DropdownLists* CTessaryDlg::CurrentPageLists() const {
    switch (currentPage_) {
        case kKeyPage:
            return &keyPage_.lists();
        case kDpiPage:
            return &dpiPage_.lists();
        default:
            return nullptr;
    }
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
            keyPage_.DrawBoxText({info.layer, info.button});
            break;
        case RegionText::DpiText:
            dpiPage_.DrawBoxText(info.button);
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
        if (const std::optional<int> stage = dpiPage_.HotBoxAt(p)) {
            host_.BeginDrawingPass();
            HoverRegion(DpiBoxRegion(*stage));
            host_.Present();
            return;
        }
    }
    if (currentPage_ == kKeyPage && InHotRegionOfPage(p)) {
        host_.BeginDrawingPass();
        if (kDefaultButton.Contains(p)) {
            HoverButton(kDefaultHover);
        }
        if (const std::optional<KeyBox> box = keyPage_.HotBoxAt(p)) {
            HoverRegion(KeyBoxRegion(box->layer, box->button));
        }
        host_.Present();
    }
}

void CTessaryDlg::HoverRegion(HotRegion region) {
    DrawRegion(region, true);
    SetHover(region, true);
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
