// Start-up and show timings of the program under the platform, each beside
// a bare Win32 window with a tray icon measured the same way:
//   start-up:  process creation until its tray icon exists;
//   show:      tray callback until the window is visible and its pixels
//              are the painted ones.
//   corvane_app_bench [RUNS]          prints the figures
//   corvane_app_bench --bare-window   the bare window (started by the bench)
#include <windows.h>

#include <shellapi.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "driver_win32.h"

namespace {

namespace fs = std::filesystem;
using namespace corvane::e2e;
using Clock = std::chrono::steady_clock;

constexpr wchar_t kBareClass[] = L"CorvaneBenchBare";
constexpr COLORREF kBareColour = RGB(26, 54, 51);

LRESULT CALLBACK BareProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_USER + 1:
            if (lParam == WM_LBUTTONUP) {
                SetForegroundWindow(window);
                ShowWindow(window, SW_SHOW);
            }
            return 0;
        case WM_CLOSE:
            ShowWindow(window, SW_HIDE);
            return 0;
        case WM_COMMAND:
            if (LOWORD(wParam) == 1028) {
                NOTIFYICONDATAW tray{};
                tray.cbSize = sizeof tray;
                tray.hWnd = window;
                Shell_NotifyIconW(NIM_DELETE, &tray);
                ExitProcess(0);
            }
            return 0;
        default:
            return DefWindowProcW(window, message, wParam, lParam);
    }
}

int RunBareWindow() {
    WNDCLASSW wc{};
    wc.lpfnWndProc = BareProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = kBareClass;
    wc.hbrBackground = CreateSolidBrush(kBareColour);
    RegisterClassW(&wc);
    RECT frame{0, 0, 760, 630};
    AdjustWindowRectEx(&frame, WS_POPUP, FALSE, WS_EX_TOOLWINDOW);
    HWND window = CreateWindowExW(WS_EX_TOOLWINDOW, kBareClass, L"", WS_POPUP, 260, 197,
                                  frame.right - frame.left, frame.bottom - frame.top, nullptr,
                                  nullptr, wc.hInstance, nullptr);
    NOTIFYICONDATAW tray{};
    tray.cbSize = sizeof tray;
    tray.hWnd = window;
    tray.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    tray.uCallbackMessage = WM_USER + 1;
    tray.hIcon = LoadIconW(nullptr, IDI_APPLICATION);
    wcscpy(tray.szTip, L"bare");
    Shell_NotifyIconW(NIM_ADD, &tray);
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}

double Ms(Clock::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

struct Subject {
    const char* name;
    fs::path exe;
    std::wstring arguments;
    const wchar_t* className;
    POINT probe;           // a client pixel that shows the painted window
    COLORREF probeColour;  // its colour when painted
};

struct Figures {
    std::vector<double> startMs;
    std::vector<double> showMs;
};

COLORREF PixelOf(HWND window, POINT client) {
    HDC dc = GetDC(window);
    const COLORREF c = GetPixel(dc, client.x, client.y);
    ReleaseDC(window, dc);
    return c;
}

// What the screen shows at a client point of `window`, whether or not the
// window is there.
COLORREF ScreenPixelAt(HWND window, POINT client) {
    ClientToScreen(window, &client);
    return PixelOf(nullptr, client);
}

Figures Measure(const Subject& s, int runs) {
    Figures figures;
    for (int run = 0; run < runs; ++run) {
        const auto t0 = Clock::now();
        Program program(s.exe, {{L"LC_ALL", L"en_US.UTF-8"}}, s.arguments);
        HWND window = nullptr;
        if (!WaitUntil(std::string(s.name) + " to add its tray icon", 30000, [&] {
                return (window = program.FindWindowOf(s.className)) != nullptr &&
                       TrayIconExists(window);
            })) {
            std::printf("%s: no tray icon\n", s.name);
            return figures;
        }
        figures.startMs.push_back(Ms(Clock::now() - t0));
        // A tray click during the start-up would come before it is ready.
        if (!WaitUntilStartedUp(window, 30000)) {
            return figures;
        }
        for (int show = 0; show < 3; ++show) {
            PointerAway();
            const auto t1 = Clock::now();
            ClickTray(window);
            const bool painted = WaitUntil(std::string(s.name) + " shown and painted", 10000, [&] {
                return IsWindowVisible(window) && PixelOf(window, s.probe) == s.probeColour;
            });
            if (painted) {
                figures.showMs.push_back(Ms(Clock::now() - t1));
            }
            // Off the screen before the next show is timed.
            SendMessageW(window, WM_CLOSE, 0, 0);
            if (!WaitUntil(std::string(s.name) + " hidden from the screen", 10000, [&] {
                    return !IsWindowVisible(window) &&
                           ScreenPixelAt(window, s.probe) != s.probeColour;
                })) {
                return figures;
            }
        }
        PostMessageW(window, WM_COMMAND, 1028, 0);
        program.WaitForExit(10000);
    }
    return figures;
}

void Print(const char* name, const char* what, std::vector<double> values) {
    if (values.empty()) {
        std::printf("%-24s %-34s no figures\n", name, what);
        return;
    }
    std::sort(values.begin(), values.end());
    std::printf("%-24s %-34s median %7.1f ms  min %7.1f  max %7.1f  (n=%zu)\n", name, what,
                values[values.size() / 2], values.front(), values.back(), values.size());
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc > 1 && std::wstring(argv[1]) == L"--bare-window") {
        return RunBareWindow();
    }
    const int runs = argc > 1 ? std::max(1, _wtoi(argv[1])) : 5;
    GdiplusScope gdiplus;
    wchar_t self[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, self, MAX_PATH);

    // The demo in a writable copy; its key page pixel at (10, 10) once painted.
    const fs::path work = fs::path(CORVANE_BENCH_WORK_DIR);
    std::error_code ignored;
    fs::remove_all(work, ignored);
    fs::copy(fs::path(CORVANE_BENCH_DIST_DIR) / "CorvaneDemo", work, fs::copy_options::recursive);
    const fs::path skin = fs::path(CORVANE_BENCH_ASSETS_DIR) / "Skins/EN";
    const Pixels page = Compose(*LoadPngPixels(skin / "main.png"), skin / "KeySet.png", 0, 0);
    const std::uint32_t p = page.At(10, 10);
    const COLORREF pageColour = RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);

    const Subject corvane{"Corvane1.0.exe (demo)",
                          work / "Corvane1.0.exe",
                          L"",
                          kMainClass,
                          POINT{10, 10},
                          pageColour};
    const Subject bare{"bare window + tray icon",
                       fs::path(self),
                       L"--bare-window",
                       kBareClass,
                       POINT{10, 10},
                       kBareColour};
    std::printf("%d runs each, under the platform this runs on\n", runs);
    for (const Subject* s : {&bare, &corvane}) {
        const Figures f = Measure(*s, runs);
        Print(s->name, "start-up to tray icon", f.startMs);
        Print(s->name, "tray click to shown and painted", f.showMs);
    }
    return 0;
}
