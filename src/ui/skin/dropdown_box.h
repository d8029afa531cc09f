// The drop-down box of every skinned window: a text area and, at its right
// end, an arrow that its text never covers.
#pragma once

namespace corvane {

inline constexpr int kBoxArrowWidth = 28;

}  // namespace corvane
