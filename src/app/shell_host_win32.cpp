#include "app/shell_host_win32.h"

#include <dbt.h>

#include <algorithm>
#include <cstddef>

#include "app/shell.h"
#include "app/window_messages_win32.h"
#include "device/hid_class_win32.h"

namespace corvane {
namespace {

constexpr DWORD kAppWindowStyle = 0x40000;  // WS_EX_APPWINDOW
constexpr DWORD kToolWindowStyle = 0x80;    // WS_EX_TOOLWINDOW
constexpr UINT kTrayFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
// The tray record as the shell of Windows XP and later reads it: every field
// up to the balloon icon, which the program does not set.
constexpr DWORD kTrayRecordSize = 968;
#ifdef _WIN64
static_assert(kTrayRecordSize == offsetof(NOTIFYICONDATAW, hBalloonIcon));
#endif
constexpr UINT kBalloonFlags = kTrayFlags | NIF_INFO;  // 0x17

template <std::size_t N>
void CopyText(wchar_t (&field)[N], std::wstring_view text) {
    const std::size_t n = std::min(text.size(), N - 1);
    std::copy_n(text.data(), n, field);
    field[n] = L'\0';
}

HICON LoadAppIcon(int size) {
    return static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr),
                                         MAKEINTRESOURCEW(kAppIconResource), IMAGE_ICON, size, size,
                                         LR_DEFAULTCOLOR));
}

}  // namespace

ShellHostWin32::ShellHostWin32(std::function<void(int exitCode)> endProcess)
    : endProcess_(std::move(endProcess)) {}

ShellHostWin32::~ShellHostWin32() {
    RemoveTrayIcon();
    if (notification_ != nullptr) {
        UnregisterDeviceNotification(notification_);
    }
    if (mutex_ != nullptr) {
        CloseHandle(mutex_);
    }
    for (HICON icon : {bigIcon_, smallIcon_}) {
        if (icon != nullptr) {
            DestroyIcon(icon);
        }
    }
}

bool ShellHostWin32::SingleInstanceMutexExisted() {
    const std::wstring name(kSingleInstanceMutex);
    mutex_ = CreateMutexW(nullptr, FALSE, name.c_str());
    return GetLastError() == ERROR_ALREADY_EXISTS;
}

void ShellHostWin32::SetWindowIcons() {
    bigIcon_ = LoadAppIcon(GetSystemMetrics(SM_CXICON));
    smallIcon_ = LoadAppIcon(GetSystemMetrics(SM_CXSMICON));
    SendMessageW(window_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(bigIcon_));
    SendMessageW(window_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_));
}

void ShellHostWin32::UseToolWindowStyle() {
    const auto exStyle = static_cast<DWORD>(GetWindowLongPtrW(window_, GWL_EXSTYLE));
    SetWindowLongPtrW(window_, GWL_EXSTYLE, (exStyle & ~kAppWindowStyle) | kToolWindowStyle);
}

void ShellHostWin32::AddTrayIcon(std::wstring_view tip) {
    tray_ = NOTIFYICONDATAW{};
    tray_.cbSize = kTrayRecordSize;
    tray_.hWnd = window_;
    tray_.uID = 0;
    tray_.uFlags = kTrayFlags;
    tray_.uCallbackMessage = kTrayCallbackMessage;
    tray_.hIcon = smallIcon_ != nullptr ? smallIcon_ : LoadAppIcon(0);
    CopyText(tray_.szTip, tip);
    trayAdded_ = Shell_NotifyIconW(NIM_ADD, &tray_) != FALSE;
}

void ShellHostWin32::ShowBalloon(std::wstring_view text, std::wstring_view title,
                                 unsigned timeoutMs) {
    CopyText(tray_.szInfo, text);
    tray_.uFlags = kBalloonFlags;
    CopyText(tray_.szInfoTitle, title);
    tray_.dwInfoFlags = NIIF_INFO;
    tray_.uTimeout = timeoutMs;
    Shell_NotifyIconW(NIM_MODIFY, &tray_);
}

// Deleted whenever an icon was ever asked for: an add can report failure
// and still have placed the icon (the notification area answers late), and
// the re-add after the taskbar was recreated fails when the icon survived.
void ShellHostWin32::RemoveTrayIcon() {
    if (tray_.hWnd == nullptr) {
        return;
    }
    Shell_NotifyIconW(NIM_DELETE, &tray_);
    tray_.hWnd = nullptr;
    trayAdded_ = false;
}

void ShellHostWin32::ShowTrayMenu(std::wstring_view exitText) {
    POINT at{};
    GetCursorPos(&at);
    HMENU menu = CreatePopupMenu();
    if (menu == nullptr) {
        return;
    }
    const std::wstring text(exitText);
    AppendMenuW(menu, MF_STRING, kTrayExitCommand, text.c_str());
    SetForegroundWindow(window_);
    TrackPopupMenu(menu, TPM_BOTTOMALIGN | TPM_RIGHTBUTTON, at.x, at.y, 0, window_, nullptr);
    DestroyMenu(menu);
}

bool ShellHostWin32::RegisterForDeviceChanges() {
    DEV_BROADCAST_DEVICEINTERFACE_W filter{};
    filter.dbcc_size = sizeof(filter);
    filter.dbcc_devicetype = DBT_DEVTYP_DEVICEINTERFACE;
    filter.dbcc_classguid = kHidInterfaceClass;
    notification_ = RegisterDeviceNotificationW(window_, &filter, DEVICE_NOTIFY_WINDOW_HANDLE);
    return notification_ != nullptr;
}

void ShellHostWin32::ShowInFront() {
    SetForegroundWindow(window_);
    ShowWindow(window_, SW_SHOW);
}

void ShellHostWin32::Hide() {
    ShowWindow(window_, SW_HIDE);
}

void ShellHostWin32::BeginWaitCursor() {
    cursorBeforeWait_ = SetCursor(LoadCursorW(nullptr, IDC_WAIT));
}

// The next pointer move sets the window's own cursor again; until then the
// one shown before, or the arrow when there was none.
void ShellHostWin32::EndWaitCursor() {
    SetCursor(cursorBeforeWait_ != nullptr ? cursorBeforeWait_ : LoadCursorW(nullptr, IDC_ARROW));
    cursorBeforeWait_ = nullptr;
}

void ShellHostWin32::EndProcess(int exitCode) {
    if (window_ != nullptr && IsWindow(window_)) {
        DestroyWindow(window_);
    }
    if (endProcess_) {
        endProcess_(exitCode);
        return;
    }
    ExitProcess(static_cast<UINT>(exitCode));
}

}  // namespace corvane
