// Plain windows and control colour probes of the Win32 window tests: a
// top-level window with the default window procedure to own or host what
// a test makes, and the colours a window chooses for a list box child.
#pragma once

#include <windows.h>

namespace corvane::testing {

// A top-level window of class `className` (registered here with the
// default window procedure) with `style` over (x, y, width, height).
inline HWND CreatePlainWindow(const wchar_t* className, const wchar_t* title, DWORD style, int x,
                              int y, int width, int height) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = className;
    RegisterClassW(&wc);  // fails harmlessly when already registered
    return CreateWindowExW(0, className, title, style, x, y, width, height, nullptr, nullptr,
                           wc.hInstance, nullptr);
}

// What `parent` answers WM_CTLCOLORLISTBOX for `list`, read from the list's
// own context after the answer.
struct ListBoxColours {
    bool brushRead = false;  // the answer is a brush whose colour could be read
    COLORREF brush = 0;
    COLORREF text = 0;
    int backgroundMode = 0;
    COLORREF background = 0;
    LOGFONTW font{};
};

inline ListBoxColours AskListBoxColours(HWND parent, HWND list) {
    ListBoxColours colours;
    HDC dc = GetDC(list);
    auto brush = reinterpret_cast<HBRUSH>(SendMessageW(
        parent, WM_CTLCOLORLISTBOX, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(list)));
    LOGBRUSH logBrush{};
    colours.brushRead =
        GetObjectW(brush, sizeof logBrush, &logBrush) == static_cast<int>(sizeof logBrush);
    colours.brush = logBrush.lbColor;
    colours.text = GetTextColor(dc);
    colours.backgroundMode = GetBkMode(dc);
    colours.background = GetBkColor(dc);
    GetObjectW(GetCurrentObject(dc, OBJ_FONT), sizeof colours.font, &colours.font);
    ReleaseDC(list, dc);
    return colours;
}

}  // namespace corvane::testing
