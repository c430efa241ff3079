#include "PaintLayout.h"

namespace {

constexpr int32 kFrameDistance = 2;

void AddBand(PaintLayout& layout, const ScreenRect& band) { layout.bands[size_t(layout.bandCount++)] = band; }

}  // namespace

PaintLayout LayOutPreview(const ScreenRect& image, const ScreenRect& area) {
    PaintLayout layout;
    const ScreenRect& a = image;
    const ScreenRect& b = area;
    if (a.left > b.left) AddBand(layout, {b.left, b.top, a.left, b.bottom});
    if (a.top > b.top) AddBand(layout, {b.left, b.top, b.right, a.top});
    if (a.right < b.right) AddBand(layout, {a.right, b.top, b.right, b.bottom});
    if (a.bottom < b.bottom) AddBand(layout, {b.left, a.bottom, b.right, b.bottom});
    layout.frame = Inflate(image, kFrameDistance);
    layout.markingClip = Intersect(image, area);
    return layout;
}
