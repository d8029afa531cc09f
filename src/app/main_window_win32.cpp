#include "app/main_window_win32.h"

#include <commctrl.h>

#include "app/window_messages_win32.h"
#include "ui/main/main_layout.h"
#include "ui/skin/modal_loop_win32.h"
#include "ui/skin/window_events_win32.h"

namespace corvane {
namespace {

constexpr DWORD kAllStandardClasses = 0xFF;

// Window template: popup, visible, clipping its children, centred and
// brought to the foreground, no title or frame; 380 x 315 dialog units in
// "宋体" 12 point (760 x 630 pixels at 96 dots per inch).
constexpr DialogTemplateSpec kMainTemplate = {
    WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN | DS_CENTER | DS_SETFOREGROUND,
    WS_EX_APPWINDOW | WS_EX_STATICEDGE | WS_EX_ACCEPTFILES,
    kWindowClassName,
    380,
    315,
    12,
    L"宋体",
};

Point PointOf(LPARAM lParam) {
    return Point{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
}

bool IsControlColourMessage(UINT message) {
    return message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC;
}

}  // namespace

bool RegisterMainWindowClass() {
    INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), kAllStandardClasses};
    InitCommonControlsEx(&controls);
    const std::wstring name(kWindowClassName);
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSW existing{};
    if (GetClassInfoW(instance, name.c_str(), &existing)) {
        return true;
    }
    WNDCLASSW dialogClass{};
    if (!GetClassInfoW(nullptr, WC_DIALOG, &dialogClass)) {
        return false;
    }
    dialogClass.hInstance = instance;
    dialogClass.lpszClassName = name.c_str();
    return RegisterClassW(&dialogClass) != 0;
}

MainWindowWin32::MainWindowWin32(Program& program, ShellHostWin32& shellHost,
                                 MainHostWin32& mainHost)
    : shell_(program.shell()),
      logic_(program.window()),
      shellHost_(shellHost),
      mainHost_(mainHost) {}

MainWindowWin32::~MainWindowWin32() {
    if (window_ != nullptr && IsWindow(window_)) {
        DestroyWindow(window_);
    }
}

HWND MainWindowWin32::Create() {
    taskbarCreated_ = RegisterWindowMessageW(L"TaskbarCreated");
    const std::vector<WORD> words = BuildDialogTemplate(kMainTemplate);
    HWND created = CreateDialogIndirectParamW(
        GetModuleHandleW(nullptr), reinterpret_cast<LPCDLGTEMPLATEW>(words.data()), nullptr,
        &MainWindowWin32::DialogProc, reinterpret_cast<LPARAM>(this));
    if (created == nullptr) {
        return nullptr;
    }
    DrainMessages(created, [this](const MSG& m) { return PreFilter(m); });
    shell_.OnStartSettled();
    return created;
}

void MainWindowWin32::Run() {
    RunModalLoop(
        window_, nullptr, [this](const MSG& m) { return PreFilter(m); }, nullptr);
}

bool MainWindowWin32::PreFilter(const MSG& message) {
    if (!mainHost_.isSetUp() || !IsWindow(window_) ||
        (message.hwnd != window_ && !IsChild(window_, message.hwnd))) {
        return false;
    }
    FilterMessage filtered;
    if (message.message == WM_KEYDOWN) {
        filtered.kind = FilterMessage::Kind::KeyDown;
        filtered.key = KeyOfFirstParam(message.wParam);
    } else if (message.message == WM_MOUSEMOVE) {
        filtered.kind = FilterMessage::Kind::PointerMove;
        filtered.screenPoint = Point{message.pt.x, message.pt.y};
    }
    return logic_.PreFilter(filtered);
}

INT_PTR CALLBACK MainWindowWin32::DialogProc(HWND window, UINT message, WPARAM wParam,
                                             LPARAM lParam) {
    auto* self = DialogObjectOf(window, message, lParam, &MainWindowWin32::window_);
    return self != nullptr ? self->Handle(message, wParam, lParam) : FALSE;
}

INT_PTR MainWindowWin32::Result(LRESULT value) {
    SetWindowLongPtrW(window_, DWLP_MSGRESULT, value);
    return TRUE;
}

// The hosts are the window's from its creation on: the shell's first steps
// already set its icons and style, and the fonts and the back buffer are
// made for it.
INT_PTR MainWindowWin32::OnInitDialog() {
    shellHost_.Attach(window_);
    mainHost_.Attach(window_);
    SetExactClientSize(window_, kClientWidth, kClientHeight);
    initialisation_ = shell_.Initialise();
    if (*initialisation_ == Initialisation::SecondInstance) {
        shellHost_.EndProcess(0);
        return FALSE;
    }
    return *initialisation_ == Initialisation::Ready ? TRUE : FALSE;
}

INT_PTR MainWindowWin32::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == taskbarCreated_ && taskbarCreated_ != 0) {
        shell_.OnTaskbarCreated();
        return FALSE;
    }
    if (IsControlColourMessage(message)) {
        return OnControlColour(message, wParam, lParam);
    }
    if (message == WM_INITDIALOG) {
        return OnInitDialog();
    }
    // The shell's messages come at any time; the window logic's only once
    // its host is set up, which the start-up's language step does.
    switch (message) {
        case WM_NCPAINT:
            return shell_.OnNonClientPaint() ? Result(0) : FALSE;
        case WM_QUERYDRAGICON:
            return reinterpret_cast<INT_PTR>(shellHost_.icon());
        case WM_PAINT:
            return OnPaint();
        case kTrayCallbackMessage:
            OnTrayCallback(lParam);
            return Result(0);
        case kNoticeMessage:
            shell_.OnNotice(static_cast<std::uint64_t>(wParam), static_cast<std::int64_t>(lParam));
            return Result(0);
        case WM_DEVICECHANGE:
            OnDeviceChange(wParam, lParam);
            return Result(TRUE);
        case WM_CLOSE:
            shell_.OnClose();
            return Result(0);
        case WM_DESTROY:
            shell_.OnDestroy();
            return FALSE;
        case WM_COMMAND:
            return OnCommand(wParam, lParam);
        default:
            break;
    }
    if (!mainHost_.isSetUp()) {
        return FALSE;
    }
    switch (message) {
        case WM_ERASEBKGND:
            return logic_.OnEraseBackground() ? Result(1) : FALSE;
        case WM_LBUTTONDOWN:
            logic_.OnLButtonDown(PointOf(lParam));
            return FALSE;
        case WM_MOUSEMOVE:
            logic_.OnMouseMove(PointOf(lParam));
            return FALSE;
        case WM_MOUSEHOVER:
            logic_.OnMouseHover(PointOf(lParam));
            return FALSE;
        case WM_MOUSELEAVE:
            logic_.OnMouseLeave();
            return FALSE;
        default:
            return FALSE;
    }
}

// The second parameter is the mouse message on the icon, compared whole.
void MainWindowWin32::OnTrayCallback(LPARAM mouseMessage) {
    switch (mouseMessage) {
        case WM_LBUTTONUP:
        case WM_LBUTTONDBLCLK:
            shell_.OnTrayClick();
            break;
        case WM_RBUTTONUP:
            shell_.OnTrayMenuRequest();
            break;
        default:
            break;
    }
}

void MainWindowWin32::OnDeviceChange(WPARAM event, LPARAM record) {
    const std::optional<DeviceEventKind> kind =
        deviceChanges_.Filter(static_cast<std::uint32_t>(event),
                              [record] { return DeviceChangeFilter::RecordAt(record); });
    if (kind == DeviceEventKind::Arrival) {
        shell_.OnMouseArrived();
    } else if (kind == DeviceEventKind::Removal) {
        shell_.OnMouseRemoved();
    }
}

INT_PTR MainWindowWin32::OnCommand(WPARAM wParam, LPARAM lParam) {
    const int id = LOWORD(wParam);
    if (lParam == 0 && id == static_cast<int>(kTrayExitCommand)) {
        shell_.EndProgram();
        return TRUE;
    }
    if (lParam != 0 && mainHost_.isSetUp()) {
        logic_.OnListNotify(id, ChildEventOf(HIWORD(wParam)));
        return TRUE;
    }
    // IDOK and IDCANCEL of the dialog manager: the pre-filter decides what
    // Enter and Escape do; the window never ends as a dialog.
    return TRUE;
}

INT_PTR MainWindowWin32::OnControlColour(UINT message, WPARAM wParam, LPARAM lParam) {
    const auto defaultResult =
        reinterpret_cast<HBRUSH>(DefWindowProcW(window_, message, wParam, lParam));
    if (!mainHost_.isSetUp()) {
        return reinterpret_cast<INT_PTR>(defaultResult);
    }
    const ControlColourChoice choice = logic_.ControlColour(
        ControlCategoryOf(message), GetDlgCtrlID(reinterpret_cast<HWND>(lParam)));
    return reinterpret_cast<INT_PTR>(
        mainHost_.ApplyControlColour(reinterpret_cast<HDC>(wParam), choice, defaultResult));
}

INT_PTR MainWindowWin32::OnPaint() {
    if (!IsIconic(window_)) {
        return FALSE;
    }
    PAINTSTRUCT paint{};
    HDC dc = BeginPaint(window_, &paint);
    RECT client{};
    GetClientRect(window_, &client);
    const int x = (client.right - GetSystemMetrics(SM_CXICON) + 1) / 2;
    const int y = (client.bottom - GetSystemMetrics(SM_CYICON) + 1) / 2;
    DrawIcon(dc, x, y, shellHost_.icon());
    EndPaint(window_, &paint);
    return TRUE;
}

}  // namespace corvane
