#include "PointMarking.h"

#include "Numeric.h"
#include "PreviewState.h"
#include "Rects.h"

namespace {

constexpr int32 kClickBand = 10;

bool WithinBand(int32 c, int32 start, int32 end) {
    return int64(c) >= int64(start) - kClickBand && int64(c) < int64(end) + kClickBand;
}

// Full-resolution position of a clamped screen position along one axis, kept
// inside the filter rectangle: the fitted scale carries a fraction that the
// host's whole factor does not, so the last preview pixel can map past it.
int32 ToImage(int32 screen, int32 imageStart, int32 filterExtent) {
    const int32 position = TruncateToInt((double(screen) - imageStart) * View().scale);
    return std::clamp(position, 0, std::max(filterExtent - 1, 0));
}

void StorePoint(int32 v, int32 h) {
    PluginData& data = *gData;
    switch (data.pointCount) {
        case 0:
            data.startV = v;
            data.startH = h;
            data.pointCount = 1;
            break;
        case 1:
            data.endV = v;
            data.endH = h;
            data.pointCount = 2;
            break;
        default:
            data.pointCount = 0;
            break;
    }
}

}  // namespace

bool HandleClick(const PreviewPort& port, int32 x, int32 y) {
    const ScreenRect image = GetImageRect(port);
    const ScreenRect visible = Intersect(image, port.area);
    if (IsEmpty(visible)) return false;
    if (!WithinBand(x, visible.left, visible.right) || !WithinBand(y, visible.top, visible.bottom)) return false;
    x = std::clamp(x, visible.left, visible.right - 1);
    y = std::clamp(y, visible.top, visible.bottom - 1);
    const VRect filter = GetFilterRect();
    StorePoint(ToImage(y, image.top, Span(filter.top, filter.bottom)),
               ToImage(x, image.left, Span(filter.left, filter.right)));
    return true;
}
