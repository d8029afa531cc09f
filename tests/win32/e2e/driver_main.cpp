// corvane_driver: the end-to-end driver as a command for scripts.
//   corvane_driver show-and-screenshot OUTPUT.png [TIMEOUT_MS]
//     waits for the program's window (class "KelAPClass-Ver2") and the end of
//     its start-up, sends the tray callback so that it shows, and saves the
//     client area as a PNG once it is painted;
//   corvane_driver end [TIMEOUT_MS]
//     chooses the tray menu's "Exit" and waits until the window is gone.
// Exits 0 on success; every wait is bounded and says what it awaited when
// its time is up.
#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <string>

#include "driver_win32.h"

using namespace corvane::e2e;

namespace {

constexpr DWORD kShowTimeoutMs = 5000;
constexpr DWORD kPaintTimeoutMs = 5000;

int End(DWORD timeout) {
    HWND window = FindWindowW(kMainClass, nullptr);
    if (window == nullptr) {
        return 0;
    }
    PostMessageW(window, WM_COMMAND, 1028, 0);
    return WaitUntil("the program's window to close after the tray menu's Exit", timeout,
                     [] { return FindWindowW(kMainClass, nullptr) == nullptr; })
               ? 0
               : 1;
}

// An unpainted window reads as one colour (black); the skin never is.
bool ShowsAnImage(const Pixels& pixels) {
    return !pixels.bgrx.empty() &&
           std::any_of(pixels.bgrx.begin(), pixels.bgrx.end(),
                       [&](std::uint32_t p) { return p != pixels.bgrx.front(); });
}

int ShowAndScreenshot(const wchar_t* output, DWORD timeout) {
    GdiplusScope gdiplus;
    HWND window = nullptr;
    if (!WaitUntil("a window of class \"" + Utf8(kMainClass) + "\"", timeout,
                   [&] { return (window = FindWindowW(kMainClass, nullptr)) != nullptr; }) ||
        !WaitUntilStartedUp(window, timeout)) {
        return 1;
    }
    if (!ClickTray(window) || !WaitUntil("the window to show after a tray click", kShowTimeoutMs,
                                         [&] { return IsWindowVisible(window) != FALSE; })) {
        return 1;
    }
    PointerAway();
    // Painted and settled: an image, the same in two captures in a row.
    Pixels shot;
    if (!WaitUntil("the shown window to be painted", kPaintTimeoutMs, [&] {
            Pixels next = CaptureClient(window);
            const bool settled = ShowsAnImage(next) && next.bgrx == shot.bgrx;
            shot = std::move(next);
            return settled;
        })) {
        return 1;
    }
    if (!SavePng(shot, output)) {
        std::fwprintf(stderr, L"corvane_driver: cannot write %ls\n", output);
        return 1;
    }
    return 0;
}

DWORD TimeoutArgument(int argc, wchar_t** argv, int index, DWORD fallback) {
    return argc > index ? static_cast<DWORD>(std::wcstoul(argv[index], nullptr, 10)) : fallback;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc >= 2 && std::wstring(argv[1]) == L"end") {
        return End(TimeoutArgument(argc, argv, 2, 10000));
    }
    if (argc < 3 || std::wstring(argv[1]) != L"show-and-screenshot") {
        std::fwprintf(stderr,
                      L"usage: corvane_driver show-and-screenshot OUTPUT.png [TIMEOUT_MS]\n"
                      L"       corvane_driver end [TIMEOUT_MS]\n");
        return 2;
    }
    const int result = ShowAndScreenshot(argv[2], TimeoutArgument(argc, argv, 3, 30000));
    if (result != 0) {
        std::fwprintf(stderr, L"corvane_driver: no screenshot of the shown window\n");
    }
    return result;
}
