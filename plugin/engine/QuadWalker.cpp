#include "QuadWalker.h"

#include <algorithm>

#include "Numeric.h"

namespace {

EdgeSpanSegment Band(ImagePoint firstStart, ImagePoint firstEnd, ImagePoint secondStart, ImagePoint secondEnd,
                     double upperY, double lowerY) {
    return {firstStart, firstEnd, secondStart, secondEnd, TruncateToInt(upperY), TruncateToInt(lowerY)};
}

// x of the edge P-Q at row y. Only called for rows of a non-empty band, whose
// edges are never horizontal.
int32 EdgeX(ImagePoint p, ImagePoint q, int32 y) {
    return TruncateToInt(q.x + (y - q.y) * (p.x - q.x) / (p.y - q.y));
}

}  // namespace

QuadWalker::QuadWalker(const ImagePoint corners[4], int32 clipWidth, int32 clipHeight)
    : clipWidth_(clipWidth), clipHeight_(clipHeight) {
    int order[4] = {0, 1, 2, 3};
    std::stable_sort(order, order + 4, [&](int a, int b) { return corners[a].y < corners[b].y; });
    // The top and bottom corners must be opposite; for an exactly vertical
    // wire the corners tie in pairs and the sort can put an adjacent one last.
    if (order[3] != (order[0] + 2) % 4) std::swap(order[2], order[3]);
    const ImagePoint v0 = corners[order[0]], v1 = corners[order[1]];
    const ImagePoint v2 = corners[order[2]], v3 = corners[order[3]];
    bands_[0] = Band(v0, v1, v0, v2, v0.y, v1.y);
    bands_[1] = Band(v1, v3, v0, v2, v1.y, v2.y);
    bands_[2] = Band(v1, v3, v2, v3, v2.y, v3.y);
    Restart();
}

void QuadWalker::Restart() {
    band_ = 0;
    y_ = std::max(bands_[0].upperRow, 0) - 1;
    x_ = 1;  // no span yet: the first Next starts a row
    spanEnd_ = 0;
}

bool QuadWalker::StartNextRow() {
    if (band_ >= 3) return false;
    ++y_;
    while (y_ >= std::min(bands_[band_].lowerRow, clipHeight_)) {
        if (++band_ >= 3) return false;
        y_ = std::max(y_, bands_[band_].upperRow);
    }
    const EdgeSpanSegment& band = bands_[band_];
    const int32 first = EdgeX(band.firstStart, band.firstEnd, y_);
    const int32 second = EdgeX(band.secondStart, band.secondEnd, y_);
    spanStart_ = std::max(std::min(first, second), 0);
    spanEnd_ = std::min(std::max(first, second), clipWidth_ - 1);
    x_ = spanStart_;
    return true;
}

bool QuadWalker::Next(int32& x, int32& y) {
    while (x_ > spanEnd_)
        if (!StartNextRow()) return false;
    x = x_++;
    y = y_;
    return true;
}

PixelBox QuadWalker::Bounds() {
    PixelBox box = {INT32_MAX, INT32_MAX, 0, 0};
    Restart();
    while (StartNextRow()) {
        if (spanStart_ > spanEnd_) continue;
        box.left = std::min(box.left, spanStart_);
        box.right = std::max(box.right, spanEnd_ + 1);
        box.top = std::min(box.top, y_);
        box.bottom = y_ + 1;
    }
    Restart();
    if (box.right <= box.left) box = {0, 0, 0, 0};
    return box;
}
