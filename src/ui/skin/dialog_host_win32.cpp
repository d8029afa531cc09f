#include "ui/skin/dialog_host_win32.h"

#include <algorithm>
#include <vector>

#include "ui/skin/load_png_win32.h"
#include "ui/skin/modal_loop_win32.h"
#include "ui/skin/skin_colours.h"
#include "ui/skin/skin_dir.h"
#include "ui/skin/window_events_win32.h"

namespace corvane {
namespace {

// A thin border, no caption, no system menu; children are clipped out of
// the parent's drawing, so a copy of the canvas never paints over a list or
// a number box. Shown by Open, once it sits over its owner.
constexpr DWORD kDialogStyle = WS_POPUP | WS_BORDER | WS_CLIPCHILDREN;
constexpr WORD kTemplateFontPoints = 12;
constexpr std::wstring_view kTemplateFontFace = L"宋体";

constexpr DWORD kListStyle = WS_CHILD | WS_VISIBLE | WS_BORDER | LBS_NOTIFY;
constexpr DWORD kNumberBoxStyle = WS_CHILD | WS_VISIBLE | ES_NUMBER | ES_CENTER | ES_AUTOHSCROLL;

constexpr int kKeyNameBufferLength = 32;

// The hook state is the process's: one single key dialog at a time.
struct KeyboardHookState {
    HHOOK hook = nullptr;
    HWND target = nullptr;
    wchar_t lastName[kKeyNameBufferLength] = {};
    std::uint16_t scanCode = 0;
    bool extended = false;
};
KeyboardHookState g_keyboardHook;

// Key event data: scan code in bits 16-23, extended-key flag in bit 24.
constexpr std::uint16_t ScanCodeOf(LPARAM keyData) {
    return static_cast<std::uint16_t>((keyData >> 16) & 0xFF);
}
constexpr bool ExtendedOf(LPARAM keyData) {
    return ((keyData >> 24) & 1) != 0;
}

LRESULT CALLBACK KeyboardHookProc(int code, WPARAM wParam, LPARAM lParam) {
    if (code != HC_ACTION) {
        return CallNextHookEx(g_keyboardHook.hook, code, wParam, lParam);
    }
    const int length =
        GetKeyNameTextW(static_cast<LONG>(lParam), g_keyboardHook.lastName, kKeyNameBufferLength);
    g_keyboardHook.lastName[std::clamp(length, 0, kKeyNameBufferLength - 1)] = L'\0';
    g_keyboardHook.scanCode = ScanCodeOf(lParam);
    g_keyboardHook.extended = ExtendedOf(lParam);
    SendMessageW(g_keyboardHook.target, kKeyNameNoticeMessage, 0, 0);
    return 0;  // not consumed: the event reaches its window
}

void RemoveKeyboardHook() {
    if (g_keyboardHook.hook != nullptr) {
        UnhookWindowsHookEx(g_keyboardHook.hook);
    }
    g_keyboardHook = KeyboardHookState{};
}

COLORREF ColourRefOf(ColourWord c) {
    return RGB(c.red, c.green, c.blue);
}

Point PointOf(LPARAM lParam) {
    return Point{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
}

HINSTANCE InstanceOf(HWND window) {
    return reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(window, GWLP_HINSTANCE));
}

HMENU ChildId(int id) {
    return reinterpret_cast<HMENU>(static_cast<INT_PTR>(id));
}

}  // namespace

bool DialogKeyboardHookInstalled() {
    return g_keyboardHook.hook != nullptr;
}

DialogHostWin32::DialogHostWin32(std::wstring skinDir, UserMessages& messages)
    : skinDir_(std::move(skinDir)), messages_(messages) {}

DialogHostWin32::~DialogHostWin32() {
    Close();
    for (HGDIOBJ object : {static_cast<HGDIOBJ>(font_), static_cast<HGDIOBJ>(background_),
                           static_cast<HGDIOBJ>(childBrush_)}) {
        if (object != nullptr) {
            DeleteObject(object);
        }
    }
}

// ------------------------------------------------------------- modal run

void DialogHostWin32::RunModal(HWND owner, SkinnedDialogFrame& frame) {
    if (Open(owner, frame)) {
        RunLoop();
    }
    Close();
}

bool DialogHostWin32::Open(HWND owner, SkinnedDialogFrame& frame) {
    frame_ = &frame;
    owner_ = owner;
    const DialogFrameLayout& layout = frame.layout();
    const std::vector<WORD> words = BuildDialogTemplate(
        {kDialogStyle, 0, L"", static_cast<short>(layout.widthUnits),
         static_cast<short>(layout.heightUnits), kTemplateFontPoints, kTemplateFontFace});
    window_ = CreateDialogIndirectParamW(
        GetModuleHandleW(nullptr), reinterpret_cast<LPCDLGTEMPLATEW>(words.data()), owner,
        &DialogHostWin32::DialogProc, reinterpret_cast<LPARAM>(this));
    if (window_ == nullptr) {
        frame_ = nullptr;
        return false;
    }
    ShowWindow(window_, SW_SHOW);
    SetForegroundWindow(window_);
    return true;
}

void DialogHostWin32::RunLoop() {
    if (window_ == nullptr || frame_ == nullptr) {
        return;
    }
    RunModalLoop(
        window_, owner_, [this](const MSG& m) { return PreFilter(m); },
        [this] { return frame_ == nullptr || frame_->ended(); });
}

void DialogHostWin32::Close() {
    Present();
    if (hookInstalled_) {
        RemoveKeyboardHook();
        hookInstalled_ = false;
    }
    frame_ = nullptr;
    if (window_ != nullptr && IsWindow(window_)) {
        DestroyWindow(window_);
    }
    window_ = nullptr;
    lists_.ForgetAll();
}

bool DialogHostWin32::PreFilter(const MSG& message) {
    if (frame_ == nullptr || window_ == nullptr ||
        (message.hwnd != window_ && !IsChild(window_, message.hwnd))) {
        return false;
    }
    DialogFilterMessage filtered;
    filtered.key = KeyOfFirstParam(message.wParam);
    if (message.message == WM_KEYDOWN) {
        filtered.kind = DialogFilterMessage::Kind::KeyDown;
    } else if (message.message == WM_MOUSEMOVE) {
        filtered.kind = DialogFilterMessage::Kind::PointerMove;
        filtered.screenPoint = Point{message.pt.x, message.pt.y};
    }
    return frame_->PreFilter(filtered);
}

// --------------------------------------------------------------- messages

INT_PTR CALLBACK DialogHostWin32::DialogProc(HWND window, UINT message, WPARAM wParam,
                                             LPARAM lParam) {
    auto* self = DialogObjectOf(window, message, lParam, &DialogHostWin32::window_);
    // A window the host has already let go of is not the frame's any more.
    if (self == nullptr || self->window_ != window) {
        return FALSE;
    }
    return self->Handle(message, wParam, lParam);
}

INT_PTR DialogHostWin32::Result(LRESULT value) {
    SetWindowLongPtrW(window_, DWLP_MSGRESULT, value);
    return TRUE;
}

INT_PTR DialogHostWin32::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY && hookInstalled_) {
        // Also when the owner takes the dialog down with it.
        RemoveKeyboardHook();
        hookInstalled_ = false;
    }
    if (frame_ == nullptr) {
        return FALSE;
    }
    switch (message) {
        case WM_INITDIALOG:
            return OnInitDialog();
        case WM_ERASEBKGND:
            return OnEraseBackground(reinterpret_cast<HDC>(wParam));
        case WM_LBUTTONDOWN:
            frame_->OnLButtonDown(PointOf(lParam));
            return FALSE;
        case WM_MOUSEMOVE:
            frame_->OnMouseMove(PointOf(lParam));
            return FALSE;
        case WM_MOUSEHOVER:
            frame_->OnMouseHover(PointOf(lParam));
            return FALSE;
        case WM_COMMAND:
            return OnCommand(wParam, lParam);
        case WM_CTLCOLORLISTBOX:
            return OnChildColour(DialogChild::List, reinterpret_cast<HDC>(wParam));
        case WM_CTLCOLOREDIT:
            return OnChildColour(DialogChild::NumberBox, reinterpret_cast<HDC>(wParam));
        case WM_HELP:
            return frame_->OnHelpRequest() ? TRUE : FALSE;
        case kKeyNameNoticeMessage:
            frame_->OnKeyNotice(g_keyboardHook.lastName, g_keyboardHook.scanCode,
                                g_keyboardHook.extended);
            return Result(0);
        default:
            return FALSE;
    }
}

INT_PTR DialogHostWin32::OnInitDialog() {
    PlaceOverOwner();
    return frame_->OnInitDialog() ? TRUE : FALSE;
}

// The client area exactly as the layout says, whatever the template font
// made of the dialog units, with the window's corner on the owner's client
// origin.
void DialogHostWin32::PlaceOverOwner() {
    const DialogFrameLayout& layout = frame_->layout();
    const SIZE outer = OuterSizeForClient(window_, layout.clientWidth, layout.clientHeight);
    POINT origin{0, 0};
    if (owner_ != nullptr) {
        ClientToScreen(owner_, &origin);
    }
    SetWindowPos(window_, nullptr, origin.x, origin.y, outer.cx, outer.cy,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

INT_PTR DialogHostWin32::OnEraseBackground(HDC dc) {
    paintDc_ = dc;
    const bool erased = frame_->OnEraseBackground();
    Present();
    paintDc_ = nullptr;
    return erased ? Result(1) : FALSE;
}

INT_PTR DialogHostWin32::OnCommand(WPARAM wParam, LPARAM lParam) {
    const int id = LOWORD(wParam);
    if (lParam != 0) {
        frame_->OnChildNotify(id, ChildEventOf(HIWORD(wParam)));
    } else if (id == IDOK) {
        frame_->OnEnter();
    } else if (id == IDCANCEL) {
        frame_->OnEscape();
    }
    return TRUE;
}

INT_PTR DialogHostWin32::OnChildColour(DialogChild child, HDC dc) {
    if (!frame_->ColoursChild(child)) {
        return FALSE;
    }
    SetTextColor(dc, ColourRefOf(kTextColour));
    SetBkMode(dc, TRANSPARENT);
    // Controls that clear their rows with the context's colour (Wine's list
    // box) would otherwise paint them white.
    SetBkColor(dc, ColourRefOf(kListBackground));
    if (font_ != nullptr) {
        SelectObject(dc, font_);
    }
    if (childBrush_ == nullptr) {
        childBrush_ = CreateSolidBrush(ColourRefOf(kListBackground));
    }
    return reinterpret_cast<INT_PTR>(childBrush_);
}

// ---------------------------------------------------------- opening, drawing

void DialogHostWin32::CreateDialogFont(const DialogFont& font) {
    if (font_ != nullptr) {
        DeleteObject(font_);
    }
    const std::wstring face(font.face);
    font_ = CreateFontW(font.height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, 0, OUT_DEFAULT_PRECIS,
                        CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, FF_SWISS, face.c_str());
}

bool DialogHostWin32::LoadBackground(std::wstring_view name) {
    if (background_ != nullptr) {
        DeleteObject(background_);
    }
    background_ = LoadBackgroundBitmap(SkinImagePath(skinDir_, name));
    return background_ != nullptr;
}

void DialogHostWin32::BeginDrawingPass() {
    Present();
    HDC target = paintDc_;
    if (target == nullptr) {
        windowDc_ = GetDC(window_);
        target = windowDc_;
    }
    RECT client{};
    GetClientRect(window_, &client);
    pass_ = std::make_unique<CMemDC>(target, client, background_);
}

bool DialogHostWin32::DrawImage(std::wstring_view name, Point at) {
    if (!pass_) {
        return false;
    }
    return LoadPng(pass_->dc(), SkinImagePath(skinDir_, name), at.x, at.y, messages_);
}

void DialogHostWin32::DrawText(std::wstring_view text, Rect rect, TextFormat format) {
    if (!pass_) {
        return;
    }
    HDC dc = pass_->dc();
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ColourRefOf(kTextColour));
    HGDIOBJ oldFont = font_ != nullptr ? SelectObject(dc, font_) : nullptr;
    RECT r{rect.left, rect.top, rect.right, rect.bottom};
    ::DrawTextW(dc, text.data(), static_cast<int>(text.size()), &r, DrawTextFlagsOf(format));
    if (oldFont != nullptr) {
        SelectObject(dc, oldFont);
    }
}

void DialogHostWin32::Present() {
    if (!pass_) {
        return;
    }
    pass_.reset();  // copies the whole client area to the window
    if (windowDc_ != nullptr) {
        ReleaseDC(window_, windowDc_);
        windowDc_ = nullptr;
    }
}

// --------------------------------------------------------------------- list

void DialogHostWin32::CreateList(int id, Rect rect, std::span<const std::wstring> items,
                                 bool scrollBar) {
    lists_.Create(window_, id, rect, kListStyle | (scrollBar ? WS_VSCROLL : 0), items);
}

void DialogHostWin32::DestroyList(int id) {
    if (HWND list = lists_.Find(id)) {
        lists_.Forget(id);
        DestroyWindow(list);
    }
}

bool DialogHostWin32::ListExists(int id) const {
    return lists_.Exists(id);
}

std::optional<int> DialogHostWin32::ListSelection(int id) const {
    return lists_.Selection(id);
}

void DialogHostWin32::SetListSelection(int id, int index) {
    lists_.SetSelection(id, index);
}

std::wstring DialogHostWin32::ListText(int id, int index) const {
    return lists_.Text(id, index);
}

// Only a point on an item names one: below the last item nothing is chosen.
std::optional<int> DialogHostWin32::ListItemAt(int id, Point screenPoint) const {
    const std::optional<ListBoxHit> hit = lists_.ItemAt(id, screenPoint);
    return hit && hit->onItem ? std::optional<int>(hit->index) : std::nullopt;
}

std::optional<int> DialogHostWin32::ListUnderScreenPoint(Point screenPoint) const {
    return lists_.IdUnder(screenPoint);
}

// -------------------------------------------------------------- number boxes

// Found by id rather than remembered: the box reports its first changes
// while it is still being created.
HWND DialogHostWin32::NumberBoxWindow(int id) const {
    return window_ != nullptr ? GetDlgItem(window_, id) : nullptr;
}

void DialogHostWin32::CreateNumberBox(int id, Rect rect, std::wstring_view text) {
    if (NumberBoxWindow(id) != nullptr) {
        return;
    }
    const std::wstring initial(text);
    HWND box = CreateWindowExW(0, L"EDIT", initial.c_str(), kNumberBoxStyle, rect.left, rect.top,
                               rect.Width(), rect.Height(), window_, ChildId(id),
                               InstanceOf(window_), nullptr);
    // The colour request selects the font for drawing; the box also measures
    // its caret with it.
    if (box != nullptr && font_ != nullptr) {
        SendMessageW(box, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
    }
}

void DialogHostWin32::DestroyNumberBox(int id) {
    if (HWND box = NumberBoxWindow(id)) {
        DestroyWindow(box);
    }
}

bool DialogHostWin32::NumberBoxExists(int id) const {
    return NumberBoxWindow(id) != nullptr;
}

std::wstring DialogHostWin32::NumberBoxText(int id) const {
    HWND box = NumberBoxWindow(id);
    if (box == nullptr) {
        return {};
    }
    const int length = GetWindowTextLengthW(box);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const int copied = GetWindowTextW(box, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(std::max(copied, 0)));
    return text;
}

void DialogHostWin32::SetNumberBoxText(int id, std::wstring_view text) {
    if (HWND box = NumberBoxWindow(id)) {
        const std::wstring value(text);
        SetWindowTextW(box, value.c_str());
    }
}

void DialogHostWin32::RepaintNumberBox(int id) {
    if (HWND box = NumberBoxWindow(id)) {
        InvalidateRect(box, nullptr, TRUE);
        UpdateWindow(box);
    }
}

// ----------------------------------------------------- pointer and keyboard

void DialogHostWin32::RequestHover(int milliseconds) {
    TRACKMOUSEEVENT track{};
    track.cbSize = sizeof track;
    track.dwFlags = TME_HOVER;
    track.hwndTrack = window_;
    track.dwHoverTime = static_cast<DWORD>(milliseconds);
    TrackMouseEvent(&track);
}

KeyboardHookResult DialogHostWin32::InstallKeyboardHook() {
    RemoveKeyboardHook();
    g_keyboardHook.target = window_;
    g_keyboardHook.hook =
        SetWindowsHookExW(WH_KEYBOARD, KeyboardHookProc, nullptr, GetCurrentThreadId());
    if (g_keyboardHook.hook == nullptr) {
        const DWORD error = GetLastError();
        g_keyboardHook.target = nullptr;
        return {false, static_cast<std::int64_t>(error)};
    }
    hookInstalled_ = true;
    return {true, 0};
}

}  // namespace corvane
