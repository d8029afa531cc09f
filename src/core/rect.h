// Client-area geometry shared by every skinned window.
#pragma once

namespace corvane {

struct Point {
    int x;
    int y;
    friend constexpr bool operator==(const Point&, const Point&) = default;
};

// A client-area rectangle (left, top, right, bottom). A point is inside when
// left <= x < right and top <= y < bottom; the top-left corner is also where
// the rectangle's image is drawn.
struct Rect {
    int left;
    int top;
    int right;
    int bottom;

    constexpr bool Contains(Point p) const {
        return left <= p.x && p.x < right && top <= p.y && p.y < bottom;
    }
    constexpr Point TopLeft() const { return {left, top}; }
    constexpr int Width() const { return right - left; }
    constexpr int Height() const { return bottom - top; }
    // The rectangle less `l` pixels on the left and `r` on the right.
    constexpr Rect Inset(int l, int r) const { return {left + l, top, right - r, bottom}; }
    friend constexpr bool operator==(const Rect&, const Rect&) = default;
};

}  // namespace corvane
