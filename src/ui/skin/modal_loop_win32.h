// Modal runs with a message loop of ours: every message passes the window's
// pre-filter before the dialog manager sees it, which a plain
// DialogBoxIndirectParamW gives no place. The main window and the key
// function dialogs run through the same loop.
#pragma once

#include <windows.h>

#include <functional>
#include <string_view>
#include <vector>

namespace corvane {

// True when the message was handled and must go no further.
using MessagePreFilter = std::function<bool(const MSG&)>;

// Runs `window` until `ended()` is true, the window is gone or WM_QUIT
// arrives (it is posted again for an outer loop). `owner`, when given, is
// disabled for the run and enabled again afterwards.
void RunModalLoop(HWND window, HWND owner, const MessagePreFilter& preFilter,
                  const std::function<bool()>& ended);

// Handles the messages already queued (through the same pre-filter and
// dialog manager) without waiting for more.
void DrainMessages(HWND window, const MessagePreFilter& preFilter);

// An in-memory dialog template without controls: popup style `style`,
// extended style `exStyle`, the window class `className`, the size in
// dialog units and the template font.
struct DialogTemplateSpec {
    DWORD style;
    DWORD exStyle;
    std::wstring_view className;
    short widthDlu;
    short heightDlu;
    WORD fontPoints;
    std::wstring_view fontFace;
};
// The template's words, aligned for CreateDialogIndirectParamW.
std::vector<WORD> BuildDialogTemplate(const DialogTemplateSpec& dialog);

// The object a dialog procedure serves: the creation parameter of
// CreateDialogIndirectParamW, kept with the window and told its window
// (through `windowOf`) at WM_INITDIALOG, which comes before the creation
// returns; nullptr for the few messages before that.
template <typename Object>
Object* DialogObjectOf(HWND window, UINT message, LPARAM lParam, HWND Object::*windowOf) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrW(window, DWLP_USER, lParam);
        reinterpret_cast<Object*>(lParam)->*windowOf = window;
    }
    return reinterpret_cast<Object*>(GetWindowLongPtrW(window, DWLP_USER));
}

// The outer size of `window` whose client area is width x height pixels.
SIZE OuterSizeForClient(HWND window, int width, int height);

// Resizes `window` so that its client area is exactly width x height
// pixels whatever the template font made of it, and centres it on the
// primary monitor's work area.
void SetExactClientSize(HWND window, int width, int height);

}  // namespace corvane
