#include "FitScale.h"

#include "PreviewState.h"
#include "Rects.h"

namespace {

// The margin kept free on every side of the area.
constexpr int32 kAreaMargin = 2;

struct Axis {
    int64 image;  // extent of the filter rectangle
    int64 room;   // what of it fits into the area, at least 1
};

Axis MakeAxis(int32 imageExtent, int32 areaExtent) {
    return {imageExtent, std::max<int64>(std::min<int64>(areaExtent, imageExtent), 1)};
}

// The reduction that fits the axis: (image + room) div room.
int64 Reduction(const Axis& a) { return (a.image + a.room) / a.room; }

}  // namespace

void SetAreaRect(const ScreenRect& area) { View().proxyRect = {area.top, area.left, area.bottom, area.right}; }

void ComputeFitScale() {
    PreviewView& view = View();
    const VRect filter = GetFilterRect();
    const VRect& kept = view.proxyRect;
    const ScreenRect area = Inflate({kept.left, kept.top, kept.right, kept.bottom}, -kAreaMargin);
    const Axis height = MakeAxis(Span(filter.top, filter.bottom), Height(area));
    const Axis width = MakeAxis(Span(filter.left, filter.right), Width(area));
    const bool useWidth = Reduction(width) > Reduction(height);  // height on a tie
    const Axis& axis = useWidth ? width : height;

    view.scale = double(axis.image + axis.room) / double(axis.room);
    view.proxyRect = filter;
    ScaleRect(view.proxyRect, 1, SamplingFactor(view.scale));
    // The reduced extent gives the exact scale; an image smaller than the
    // factor reduces to nothing and keeps the scale of the fit.
    const int32 reduced = useWidth ? Span(view.proxyRect.left, view.proxyRect.right)
                                   : Span(view.proxyRect.top, view.proxyRect.bottom);
    if (reduced > 0) view.scale = double(axis.image) / reduced;
    view.fitScale = view.scale;
}
