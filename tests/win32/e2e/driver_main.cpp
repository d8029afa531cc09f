// corvane_driver: the end-to-end driver as a command for scripts.
//   corvane_driver show-and-screenshot OUTPUT.png [TIMEOUT_MS]
//     waits for the program's window (class "KelAPClass-Ver2"), sends the
//     tray callback so that it shows, and saves the client area as a PNG;
//   corvane_driver end [TIMEOUT_MS]
//     chooses the tray menu's "Exit" and waits until the window is gone.
// Exits 0 on success.
#include <cstdio>
#include <cwchar>
#include <string>

#include "driver_win32.h"

using namespace corvane::e2e;

namespace {

int End(DWORD timeout) {
    HWND window = FindWindowW(kMainClass, nullptr);
    if (window == nullptr) {
        return 0;
    }
    PostMessageW(window, WM_COMMAND, 1028, 0);
    return WaitFor([] { return FindWindowW(kMainClass, nullptr) == nullptr; }, timeout) ? 0 : 1;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc >= 2 && std::wstring(argv[1]) == L"end") {
        return End(argc > 2 ? static_cast<DWORD>(std::wcstoul(argv[2], nullptr, 10)) : 10000);
    }
    if (argc < 3 || std::wstring(argv[1]) != L"show-and-screenshot") {
        std::fwprintf(stderr,
                      L"usage: corvane_driver show-and-screenshot OUTPUT.png [TIMEOUT_MS]\n"
                      L"       corvane_driver end [TIMEOUT_MS]\n");
        return 2;
    }
    const DWORD timeout = argc > 3 ? static_cast<DWORD>(std::wcstoul(argv[3], nullptr, 10)) : 30000;
    GdiplusScope gdiplus;
    HWND window = nullptr;
    if (!WaitFor([&] { return (window = FindWindowW(kMainClass, nullptr)) != nullptr; }, timeout)) {
        std::fwprintf(stderr, L"corvane_driver: no window of class %ls\n", kMainClass);
        return 1;
    }
    WaitUntilIdle(window);
    Sleep(500);
    ClickTray(window);
    WaitUntilIdle(window);
    if (!WaitFor([&] { return IsWindowVisible(window) != FALSE; }, 5000)) {
        std::fwprintf(stderr, L"corvane_driver: the window did not show\n");
        return 1;
    }
    PointerAway();
    Sleep(500);
    WaitUntilIdle(window);
    if (!SavePng(CaptureClient(window), argv[2])) {
        std::fwprintf(stderr, L"corvane_driver: cannot write %ls\n", argv[2]);
        return 1;
    }
    return 0;
}
