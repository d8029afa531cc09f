// What the skinned windows' logic reacts to, as each platform's host reports
// it: a child's notification, the keys the pre-filters act on, and the hover
// time every skinned window asks for.
#pragma once

namespace corvane {

// A list-box or edit-box child's notification to its window.
enum class ChildEvent {
    ListSelectionChanged,
    ListDoubleClicked,
    EditLostFocus,
    EditChanged,
    Other,
};

// The keys the pre-filters tell apart.
enum class Key {
    Enter,
    Escape,
    LeftSuper,   // the left Windows (logo) key
    RightSuper,  // the right Windows (logo) key
    Other,
};

inline constexpr int kHoverMilliseconds = 10;

}  // namespace corvane
