// What the skinned windows read from a Qt key event: the key the
// pre-filters act on, and for the single key dialog the key's name as the
// desktop names it and where the key sits (the set-1 position Windows
// reports for it).
#pragma once

#include <QKeyEvent>

#include <cstdint>
#include <string>

namespace corvane {

// The virtual key of the keys the pre-filters act on (Enter, Escape, the
// left and right Windows keys), 0 for every other key.
std::uint64_t FilterKeyOf(const QKeyEvent& event);

struct KeyNotice {
    std::wstring name;
    std::uint16_t scanCode = 0;  // 0: a key without a PC position
    bool extended = false;
};

// Qt on X11 and Wayland reports the XKB keycode as the native scan code,
// which is the evdev code plus 8.
KeyNotice KeyNoticeOf(const QKeyEvent& event);

}  // namespace corvane
