#include "ui/main/main_host_win32.h"

#include "ui/skin/load_png_win32.h"
#include "ui/skin/skin_dir.h"
#include "ui/skin/window_events_win32.h"

namespace corvane {
namespace {

COLORREF ColourRefOf(ColourWord c) {
    return RGB(c.red, c.green, c.blue);
}

RECT RectOf(const Rect& r) {
    return RECT{r.left, r.top, r.right, r.bottom};
}

// Width 0, no escapement, upright, no underline or strike-out, character set
// 0, default precision and quality.
HFONT MakeFont(const FontSpec& font) {
    const std::wstring face(font.face);
    return CreateFontW(font.height, 0, 0, 0, font.weight, FALSE, FALSE, FALSE, 0,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                       kFontPitchAndFamily, face.c_str());
}

}  // namespace

ControlCategory ControlCategoryOf(UINT message) {
    switch (message) {
        case WM_CTLCOLOREDIT:
            return ControlCategory::Edit;
        case WM_CTLCOLORLISTBOX:
            return ControlCategory::ListBox;
        case WM_CTLCOLORBTN:
            return ControlCategory::Button;
        case WM_CTLCOLORSTATIC:
            return ControlCategory::Static;
        default:
            return ControlCategory::Other;
    }
}

MainHostWin32::~MainHostWin32() {
    Present();
    lists_.DestroyAll();
    for (HGDIOBJ object : {static_cast<HGDIOBJ>(brush_), static_cast<HGDIOBJ>(backBuffer_),
                           static_cast<HGDIOBJ>(pageFont_), static_cast<HGDIOBJ>(listFont_)}) {
        if (object != nullptr) {
            DeleteObject(object);
        }
    }
}

void MainHostWin32::SetUp(const WindowSetup& setup) {
    skinDir_ = setup.skinDir;
    messages_ = &setup.messages;
    pageFont_ = MakeFont(setup.fonts.page);
    listFont_ = MakeFont(setup.fonts.list);
    dialogRunner_.emplace(window_, skinDir_, setup.messages, dialogFlags_, setup.versionWord);
}

void MainHostWin32::LoadBackground(std::wstring_view name) {
    SetBackBuffer(LoadBackgroundBitmap(SkinImagePath(skinDir_, name)));
}

void MainHostWin32::SetBackBuffer(HBITMAP bitmap) {
    Present();
    if (backBuffer_ != nullptr) {
        DeleteObject(backBuffer_);
    }
    backBuffer_ = bitmap;
}

HBRUSH MainHostWin32::ApplyControlColour(HDC dc, const ControlColourChoice& choice,
                                         HBRUSH defaultResult) {
    if (brush_ != nullptr) {
        DeleteObject(brush_);
        brush_ = nullptr;
    }
    if (choice.textColour) {
        SetTextColor(dc, ColourRefOf(*choice.textColour));
    }
    if (choice.transparentBackground) {
        SetBkMode(dc, TRANSPARENT);
    }
    if (choice.backgroundColour) {
        SetBkColor(dc, ColourRefOf(*choice.backgroundColour));
    }
    if (choice.font) {
        SelectObject(dc, FontOf(*choice.font));
    }
    if (choice.brush == BrushKind::Solid) {
        brush_ = CreateSolidBrush(ColourRefOf(choice.brushColour));
        return brush_;
    }
    return defaultResult;
}

// ------------------------------------------------------------------ drawing

bool MainHostWin32::BeginDrawingPass() {
    Present();
    windowDc_ = GetDC(window_);
    RECT client{};
    GetClientRect(window_, &client);
    pass_ = std::make_unique<CMemDC>(windowDc_, client, backBuffer_);
    return backBuffer_ != nullptr;
}

bool MainHostWin32::DrawImage(std::wstring_view name, Point at) {
    if (!pass_ || messages_ == nullptr) {
        return false;
    }
    return LoadPng(pass_->dc(), SkinImagePath(skinDir_, name), at.x, at.y, *messages_);
}

void MainHostWin32::DrawText(std::wstring_view text, Rect rect, TextFormat format, FontKind font) {
    if (!pass_) {
        return;
    }
    HDC dc = pass_->dc();
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ColourRefOf(kTextColour));
    HGDIOBJ oldFont = SelectObject(dc, FontOf(font));
    RECT r = RectOf(rect);
    ::DrawTextW(dc, text.data(), static_cast<int>(text.size()), &r, DrawTextFlagsOf(format));
    if (oldFont != nullptr) {
        SelectObject(dc, oldFont);
    }
}

void MainHostWin32::Present() {
    if (!pass_) {
        return;
    }
    pass_.reset();  // copies the whole client area to the window
    ReleaseDC(window_, windowDc_);
    windowDc_ = nullptr;
    // The window now shows the whole back buffer: a repaint still pending
    // (the area of a list just closed) would copy the same pixels again.
    ValidateRect(window_, nullptr);
}

void MainHostWin32::RepaintFromBackBuffer() {
    Present();
    HDC dc = GetDC(window_);
    RECT client{};
    GetClientRect(window_, &client);
    { CMemDC memory(dc, client, backBuffer_); }
    ReleaseDC(window_, dc);
}

// -------------------------------------------------------------------- lists

void MainHostWin32::CreateList(int id, Rect rect, std::span<const std::wstring> items) {
    // Filled while hidden, then shown: a visible list would update and
    // invalidate itself for every item added.
    if (HWND list = lists_.Create(window_, id, rect, WS_CHILD | WS_BORDER | LBS_NOTIFY, items)) {
        ShowWindow(list, SW_SHOWNA);
    }
}

void MainHostWin32::DestroyList(int id) {
    HWND list = lists_.Find(id);
    if (list == nullptr) {
        return;
    }
    // Hidden without erasing what lies under it at once: the area is left to
    // the next repaint, which a drawing pass that copies the whole client
    // area makes unnecessary (Present validates the window).
    RECT covered{};
    GetWindowRect(list, &covered);
    MapWindowPoints(nullptr, window_, reinterpret_cast<POINT*>(&covered), 2);
    SetWindowPos(
        list, nullptr, 0, 0, 0, 0,
        SWP_HIDEWINDOW | SWP_NOREDRAW | SWP_NOACTIVATE | SWP_NOZORDER | SWP_NOMOVE | SWP_NOSIZE);
    DestroyWindow(list);
    lists_.Forget(id);
    InvalidateRect(window_, &covered, TRUE);
}

bool MainHostWin32::ListExists(int id) const {
    return lists_.Exists(id);
}

std::optional<int> MainHostWin32::ListSelection(int id) const {
    return lists_.Selection(id);
}

void MainHostWin32::SetListSelection(int id, int index) {
    lists_.SetSelection(id, index);
}

// A point below the last item names the nearest item (the last one).
std::optional<int> MainHostWin32::ListItemAt(int id, Point screenPoint) const {
    const std::optional<ListBoxHit> hit = lists_.ItemAt(id, screenPoint);
    return hit ? std::optional<int>(hit->index) : std::nullopt;
}

std::wstring MainHostWin32::ListText(int id, int index) const {
    return lists_.Text(id, index);
}

std::optional<int> MainHostWin32::ListUnderScreenPoint(Point screenPoint) const {
    return lists_.IdUnder(screenPoint);
}

// ------------------------------------------------------------------ window

void MainHostWin32::ShowMessageBox(const std::wstring& text, const std::wstring& caption) {
    MessageBoxW(window_, text.c_str(), caption.c_str(), MB_OK);
}

void MainHostWin32::Hide() {
    ShowWindow(window_, SW_HIDE);
}

void MainHostWin32::Show() {
    ShowWindow(window_, SW_SHOW);
}

void MainHostWin32::BringToFront() {
    SetForegroundWindow(window_);
}

void MainHostWin32::StartDrag() {
    // The press becomes a press on a title bar: the system moves the window.
    ReleaseCapture();
    SendMessageW(window_, WM_NCLBUTTONDOWN, HTCAPTION, 0);
}

void MainHostWin32::RequestHover(int milliseconds) {
    TRACKMOUSEEVENT track{};
    track.cbSize = sizeof track;
    track.dwFlags = TME_HOVER | TME_LEAVE;
    track.hwndTrack = window_;
    track.dwHoverTime = static_cast<DWORD>(milliseconds);
    TrackMouseEvent(&track);
}

// Before the set-up every dialog answers "cancelled" without opening.
DialogOutcome MainHostWin32::RunDialog(DialogKind kind, const DialogInputs& inputs) {
    if (!dialogRunner_) {
        return DialogOutcome{};
    }
    return dialogRunner_->Run(kind, inputs);
}

}  // namespace corvane
