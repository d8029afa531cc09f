// The Win32 numbers behind the skinned windows' events: a WM_COMMAND
// notification code of a list or edit child, and a message's virtual key.
#pragma once

#include <windows.h>

#include "ui/skin/text_format.h"
#include "ui/skin/window_events.h"

namespace corvane {

inline ChildEvent ChildEventOf(WORD notificationCode) {
    switch (notificationCode) {
        case LBN_SELCHANGE:
            return ChildEvent::ListSelectionChanged;
        case LBN_DBLCLK:
            return ChildEvent::ListDoubleClicked;
        case EN_KILLFOCUS:
            return ChildEvent::EditLostFocus;
        case EN_CHANGE:
            return ChildEvent::EditChanged;
        default:
            return ChildEvent::Other;
    }
}

// The key a message's first parameter names. The dialogs' filter reads it
// from every message, as the first parameter of any message is compared.
inline Key KeyOfFirstParam(WPARAM firstParam) {
    switch (firstParam) {
        case VK_RETURN:
            return Key::Enter;
        case VK_ESCAPE:
            return Key::Escape;
        case VK_LWIN:
            return Key::LeftSuper;
        case VK_RWIN:
            return Key::RightSuper;
        default:
            return Key::Other;
    }
}

// DrawTextW's flags: one line, vertically centred, with the alignment.
inline UINT DrawTextFlagsOf(TextFormat format) {
    constexpr UINT kOneCentredLine = DT_SINGLELINE | DT_VCENTER;
    switch (format) {
        case TextFormat::Centred:
            return kOneCentredLine | DT_CENTER;
        case TextFormat::RightAligned:
            return kOneCentredLine | DT_RIGHT;
        case TextFormat::LeftAligned:
        default:
            return kOneCentredLine | DT_LEFT;
    }
}

}  // namespace corvane
