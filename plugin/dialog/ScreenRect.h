// Rectangles and points on the screen, in dialog client coordinates: left,
// top, right, bottom, with the right and bottom edges exclusive as the
// platform's rectangle filling has them. Host rectangles (VRect) keep their
// own order, top, left, bottom, right.
#pragma once

#include <algorithm>

#include "HostInterface.h"

struct ScreenRect {
    int32 left, top, right, bottom;
};

struct ScreenPoint {
    int32 x, y;
};

inline bool operator==(const ScreenRect& a, const ScreenRect& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

inline bool operator==(const ScreenPoint& a, const ScreenPoint& b) { return a.x == b.x && a.y == b.y; }

// A 64-bit intermediate brought back into int32, saturating at both ends.
inline int32 Saturate(int64 v) { return int32(std::clamp<int64>(v, INT32_MIN, INT32_MAX)); }

// Length of lo..hi; 0 when hi lies before lo.
inline int32 Span(int32 lo, int32 hi) { return Saturate(std::max<int64>(int64(hi) - lo, 0)); }

inline int32 Width(const ScreenRect& r) { return Span(r.left, r.right); }
inline int32 Height(const ScreenRect& r) { return Span(r.top, r.bottom); }
inline bool IsEmpty(const ScreenRect& r) { return r.right <= r.left || r.bottom <= r.top; }

inline ScreenRect Intersect(const ScreenRect& a, const ScreenRect& b) {
    return {std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
            std::min(a.bottom, b.bottom)};
}

// Grows the rectangle by d on every side (shrinks it for a negative d).
inline ScreenRect Inflate(const ScreenRect& r, int32 d) {
    return {Saturate(int64(r.left) - d), Saturate(int64(r.top) - d), Saturate(int64(r.right) + d),
            Saturate(int64(r.bottom) + d)};
}
