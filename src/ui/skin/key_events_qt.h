// What the skinned windows read from a Qt key event: the key the
// pre-filters act on, and for the single key dialog the key's name as the
// desktop names it and where the key sits (the set-1 position Windows
// reports for it).
#pragma once

#include <QKeyEvent>

#include <cstdint>
#include <string>

#include "ui/skin/window_events.h"

namespace corvane {

// The key the pre-filters tell apart (Enter, Escape, the left and right
// Windows keys), Other for every other key.
Key KeyOf(const QKeyEvent& event);

struct KeyNotice {
    std::wstring name;
    std::uint16_t scanCode = 0;  // 0: a key without a PC position
    bool extended = false;
};

// Qt on X11 and Wayland reports the XKB keycode as the native scan code,
// which is the evdev code plus 8.
KeyNotice KeyNoticeOf(const QKeyEvent& event);

}  // namespace corvane
