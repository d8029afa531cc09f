// Platform values the skinned windows' logic reacts to: list-box and edit
// box notification codes, the virtual keys of Enter and Escape, and the hover
// time every skinned window asks for.
#pragma once

namespace corvane {

// List-box notification codes.
inline constexpr int kListSelectionChanged = 1;
inline constexpr int kListDoubleClicked = 2;

// Edit box notification codes.
inline constexpr int kEditLostFocus = 0x0200;
inline constexpr int kEditChanged = 0x0300;

// Virtual keys the pre-filters act on.
inline constexpr int kVirtualKeyEnter = 13;
inline constexpr int kVirtualKeyEscape = 27;

inline constexpr int kHoverMilliseconds = 10;

}  // namespace corvane
