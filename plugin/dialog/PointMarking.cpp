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

}  // namespace

PressOutcome HandleClick(const PreviewPort& port, int32 x, int32 y, PressKind kind) {
    const ScreenRect image = GetImageRect(port);
    const ScreenRect visible = Intersect(image, port.area);
    if (IsEmpty(visible)) return PressOutcome::kIgnored;
    if (!WithinBand(x, visible.left, visible.right) || !WithinBand(y, visible.top, visible.bottom))
        return PressOutcome::kIgnored;
    x = std::clamp(x, visible.left, visible.right - 1);
    y = std::clamp(y, visible.top, visible.bottom - 1);
    const VRect filter = GetFilterRect();
    const WirePoint point{ToImage(y, image.top, Span(filter.top, filter.bottom)),
                          ToImage(x, image.left, Span(filter.left, filter.right))};
    return MarkPoint(*gData, point, kind) ? PressOutcome::kMarked : PressOutcome::kRefused;
}
