#include "ui/skin/modal_loop_win32.h"

namespace corvane {
namespace {

bool Dispatch(HWND window, MSG& message, const MessagePreFilter& preFilter) {
    if (preFilter && preFilter(message)) {
        return true;
    }
    if (IsWindow(window) && IsDialogMessageW(window, &message)) {
        return true;
    }
    TranslateMessage(&message);
    DispatchMessageW(&message);
    return true;
}

void AppendText(std::vector<WORD>& words, std::wstring_view text) {
    for (wchar_t c : text) {
        words.push_back(static_cast<WORD>(c));
    }
    words.push_back(0);
}

}  // namespace

void RunModalLoop(HWND window, HWND owner, const MessagePreFilter& preFilter,
                  const std::function<bool()>& ended) {
    const bool disableOwner = owner != nullptr && IsWindowEnabled(owner);
    if (disableOwner) {
        EnableWindow(owner, FALSE);
    }
    MSG message{};
    while (IsWindow(window) && !(ended && ended())) {
        const BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got == 0) {
            PostQuitMessage(static_cast<int>(message.wParam));
            break;
        }
        if (got == -1) {
            break;
        }
        Dispatch(window, message, preFilter);
    }
    if (disableOwner) {
        EnableWindow(owner, TRUE);
        SetActiveWindow(owner);
    }
}

void DrainMessages(HWND window, const MessagePreFilter& preFilter) {
    MSG message{};
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        Dispatch(window, message, preFilter);
    }
}

std::vector<WORD> BuildDialogTemplate(const DialogTemplateSpec& dialog) {
    std::vector<WORD> words;
    DLGTEMPLATE header{};
    header.style = dialog.style | DS_SETFONT;
    header.dwExtendedStyle = dialog.exStyle;
    header.cdit = 0;
    header.x = 0;
    header.y = 0;
    header.cx = dialog.widthDlu;
    header.cy = dialog.heightDlu;
    const WORD* raw = reinterpret_cast<const WORD*>(&header);
    words.assign(raw, raw + sizeof(header) / sizeof(WORD));
    words.push_back(0);  // no menu
    AppendText(words, dialog.className);
    AppendText(words, L"");  // no title
    words.push_back(dialog.fontPoints);
    AppendText(words, dialog.fontFace);
    return words;
}

SIZE OuterSizeForClient(HWND window, int width, int height) {
    RECT frame{0, 0, width, height};
    const auto style = static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE));
    const auto exStyle = static_cast<DWORD>(GetWindowLongPtrW(window, GWL_EXSTYLE));
    AdjustWindowRectEx(&frame, style, FALSE, exStyle);
    return SIZE{frame.right - frame.left, frame.bottom - frame.top};
}

void SetExactClientSize(HWND window, int width, int height) {
    const SIZE outer = OuterSizeForClient(window, width, height);
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    const int x = work.left + ((work.right - work.left) - outer.cx) / 2;
    const int y = work.top + ((work.bottom - work.top) - outer.cy) / 2;
    SetWindowPos(window, nullptr, x, y, outer.cx, outer.cy, SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace corvane
