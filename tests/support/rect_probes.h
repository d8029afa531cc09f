// Points that pin a rectangle down exactly: its four corner pixels inside,
// and a pixel just past each edge. A rectangle typed one pixel off on any
// side puts one of them on the wrong side.
#pragma once

#include <array>

#include "core/rect.h"

namespace corvane::testing {

inline std::array<Point, 4> CornersInside(const Rect& r) {
    return {{{r.left, r.top},
             {r.right - 1, r.top},
             {r.left, r.bottom - 1},
             {r.right - 1, r.bottom - 1}}};
}

inline std::array<Point, 4> JustOutside(const Rect& r) {
    return {{{r.left - 1, r.top},
             {r.left, r.top - 1},
             {r.right, r.bottom - 1},
             {r.right - 1, r.bottom}}};
}

}  // namespace corvane::testing
