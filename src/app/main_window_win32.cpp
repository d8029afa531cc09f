#include "app/main_window_win32.h"

#include <commctrl.h>
#include <dbt.h>
#include "ui/skin/gdiplus_win32.h"

#include <span>

#include "core/module_path.h"
#include "settings/settings_record.h"
#include "ui/main/main_layout.h"
#include "ui/skin/load_png_win32.h"
#include "ui/skin/modal_loop_win32.h"
#include "ui/skin/skin_dir.h"
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

std::optional<DeviceBroadcast> BroadcastOf(LPARAM lParam) {
    if (lParam == 0) {
        return std::nullopt;
    }
    const auto* header = reinterpret_cast<const DEV_BROADCAST_HDR*>(lParam);
    const std::span<const std::uint8_t> record(reinterpret_cast<const std::uint8_t*>(header),
                                               header->dbch_size);
    return ParseDeviceBroadcast(record);
}

bool IsControlColourMessage(UINT message) {
    return message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC;
}

}  // namespace

// The shell's page operations on the window logic, which exists from the
// font step of the initialisation on.
class MainWindowWin32::DialogPages final : public ShellWindow {
  public:
    explicit DialogPages(MainWindowWin32& owner) : owner_(owner) {}
    int CurrentPage() const override { return Dialog().currentPage(); }
    void SetCurrentPage(int page) override { Dialog().setCurrentPage(page); }
    bool RefreshOnShow() const override { return Dialog().refreshOnShow(); }
    void SetRefreshOnShow(bool value) override { Dialog().setRefreshOnShow(value); }
    void PageLeave() override { Dialog().PageLeave(); }
    void ShowKeyPage() override { Dialog().ShowKeyPage(); }
    void ShowDpiPage() override { Dialog().ShowDpiPage(); }
    void ShowLedPage() override { Dialog().ShowLedPage(); }
    KeyLabels& Labels() override { return Dialog().labels(); }

  private:
    CTessaryDlg& Dialog() const { return *owner_.dialog_; }
    MainWindowWin32& owner_;
};

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

MainWindowWin32::MainWindowWin32(Options options)
    : facts_(options.facts ? std::move(options.facts) : MakePlatformSystemFacts()),
      port_(std::move(options.port)),
      endProcess_(std::move(options.endProcess)),
      texts_(TextTableFor(facts_->DefaultLanguageId())),
      messages_(texts_, options.messageBoxes ? *options.messageBoxes : ownBoxes_,
                AppTitleOf(facts_->ExecutablePath())),
      link_(*port_, state_, *facts_, messages_),
      fileStore_(MakePlatformFileStore()),
      iniStore_(MakePlatformIniStore()),
      files_(state_, *fileStore_, *iniStore_, *facts_, ExecutableFolder(facts_->ExecutablePath()),
             std::wstring(texts_.settingsSection)),
      shellHost_(
          ShellHostWin32::Hooks{[this](HFONT list, HFONT page) { CreateWindowParts(list, page); },
                                [this](const std::wstring& path) {
                                    if (mainHost_) {
                                        mainHost_->SetBackBuffer(LoadBackgroundBitmap(path));
                                    }
                                },
                                [this](int exitCode) { EndProcess(exitCode); }}),
      pages_(std::make_unique<DialogPages>(*this)),
      shell_(ShellParts{state_, shellHost_, *pages_, link_, files_, *facts_, messages_, texts_}) {}

MainWindowWin32::~MainWindowWin32() {
    if (window_ != nullptr && IsWindow(window_)) {
        DestroyWindow(window_);
    }
    dialog_.reset();
    mainHost_.reset();
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
    if (!dialog_ || !IsWindow(window_) ||
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
    return dialog_->PreFilter(filtered);
}

void MainWindowWin32::CreateWindowParts(HFONT listFont, HFONT pageFont) {
    mainHost_.emplace(window_, SkinDir(facts_->ExecutablePath(), state_.uiLanguage), messages_,
                      MainHostWin32::Fonts{pageFont, listFont});
    mainHost_->SetEndProgram([this] { shell_.EndProgram(); });
    dialogRunner_.emplace(window_, mainHost_->skinDir(), messages_, dialogFlags_,
                          facts_->VersionWord());
    mainHost_->SetDialogRunner([this](DialogKind kind, const DialogInputs& inputs) {
        return dialogRunner_->Run(kind, inputs);
    });
    dialog_.emplace(
        state_, *mainHost_, messages_, texts_, files_, [this] { return shell_.WriteMouse(); },
        facts_->DefaultLanguageId());
}

void MainWindowWin32::EndProcess(int exitCode) {
    if (window_ != nullptr && IsWindow(window_)) {
        DestroyWindow(window_);
    }
    if (endProcess_) {
        endProcess_(exitCode);
        return;
    }
    ExitProcess(static_cast<UINT>(exitCode));
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

INT_PTR MainWindowWin32::OnInitDialog() {
    shellHost_.Attach(window_);
    ownBoxes_.SetOwner(window_);
    SetExactClientSize(window_, kClientWidth, kClientHeight);
    initialisation_ = shell_.Initialise();
    if (*initialisation_ == Initialisation::SecondInstance) {
        EndProcess(0);
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
    switch (message) {
        case WM_INITDIALOG:
            return OnInitDialog();
        case WM_NCPAINT:
            return shell_.OnNonClientPaint() ? Result(0) : FALSE;
        case WM_ERASEBKGND:
            return dialog_ && dialog_->OnEraseBackground() ? Result(1) : FALSE;
        case WM_PAINT:
            return OnPaint();
        case WM_QUERYDRAGICON:
            return reinterpret_cast<INT_PTR>(shellHost_.icon());
        case WM_LBUTTONDOWN:
            if (dialog_) {
                dialog_->OnLButtonDown(PointOf(lParam));
            }
            return FALSE;
        case WM_MOUSEMOVE:
            if (dialog_) {
                dialog_->OnMouseMove(PointOf(lParam));
            }
            return FALSE;
        case WM_MOUSEHOVER:
            if (dialog_) {
                dialog_->OnMouseHover(PointOf(lParam));
            }
            return FALSE;
        case WM_MOUSELEAVE:
            if (dialog_) {
                dialog_->OnMouseLeave();
            }
            return FALSE;
        case WM_COMMAND:
            return OnCommand(wParam, lParam);
        case kTrayCallbackMessage:
            shell_.OnTrayCallback(static_cast<std::uint64_t>(lParam));
            return Result(0);
        case kNoticeMessage:
            shell_.OnNotice(static_cast<std::uint64_t>(wParam), static_cast<std::int64_t>(lParam));
            return Result(0);
        case WM_DEVICECHANGE:
            return Result(shell_.OnDeviceChange(static_cast<std::uint32_t>(wParam),
                                                [lParam] { return BroadcastOf(lParam); })
                              ? TRUE
                              : FALSE);
        case WM_CLOSE:
            shell_.OnClose();
            return Result(0);
        case WM_DESTROY:
            shell_.OnDestroy();
            return FALSE;
        default:
            return FALSE;
    }
}

INT_PTR MainWindowWin32::OnCommand(WPARAM wParam, LPARAM lParam) {
    const int id = LOWORD(wParam);
    const int code = HIWORD(wParam);
    if (lParam == 0 && id == static_cast<int>(kTrayExitCommand)) {
        shell_.EndProgram();
        return TRUE;
    }
    if (lParam != 0 && dialog_) {
        dialog_->OnListNotify(id, ChildEventOf(static_cast<WORD>(code)));
        return TRUE;
    }
    // IDOK and IDCANCEL of the dialog manager: the pre-filter decides what
    // Enter and Escape do; the window never ends as a dialog.
    return TRUE;
}

INT_PTR MainWindowWin32::OnControlColour(UINT message, WPARAM wParam, LPARAM lParam) {
    const auto defaultResult =
        reinterpret_cast<HBRUSH>(DefWindowProcW(window_, message, wParam, lParam));
    if (!dialog_ || !mainHost_) {
        return reinterpret_cast<INT_PTR>(defaultResult);
    }
    const ControlColourChoice choice = dialog_->ControlColour(
        ControlCategoryOf(message), GetDlgCtrlID(reinterpret_cast<HWND>(lParam)));
    return reinterpret_cast<INT_PTR>(
        mainHost_->ApplyControlColour(reinterpret_cast<HDC>(wParam), choice, defaultResult));
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

int RunProgram(std::unique_ptr<HidPort> port) {
    if (!RegisterMainWindowClass()) {
        return 0;
    }
    ULONG_PTR token = 0;
    Gdiplus::GdiplusStartupInput input;
    const bool gdiplusStarted = Gdiplus::GdiplusStartup(&token, &input, nullptr) == Gdiplus::Ok;
    {
        MainWindowWin32::Options options;
        options.port = std::move(port);
        MainWindowWin32 window(std::move(options));
        if (window.Create() != nullptr) {
            window.Run();
        }
    }
    if (gdiplusStarted) {
        Gdiplus::GdiplusShutdown(token);
    }
    return 0;
}

}  // namespace corvane
