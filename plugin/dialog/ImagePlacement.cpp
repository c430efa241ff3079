#include "ImagePlacement.h"

#include "Rects.h"

namespace {

// Start of an image of the given extent along one axis of the area.
int32 PlaceAxis(int32 areaStart, int32 areaEnd, int32 extent, int32 scroll) {
    if (Span(areaStart, areaEnd) < extent) return Saturate(int64(areaStart) + kScrollMargin - scroll);
    return Saturate((int64(areaStart) + areaEnd - extent) / 2);
}

}  // namespace

ScreenRect GetImageRect(const PreviewPort& port) {
    const VRect in = GetInRect();
    const int32 width = Span(in.left, in.right);
    const int32 height = Span(in.top, in.bottom);
    const ScreenRect& area = port.area;
    const int32 left = PlaceAxis(area.left, area.right, width, port.hScroll);
    const int32 top = PlaceAxis(area.top, area.bottom, height, port.vScroll);
    return {left, top, Saturate(int64(left) + width), Saturate(int64(top) + height)};
}
