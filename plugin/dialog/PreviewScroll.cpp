#include "PreviewScroll.h"

#include "Numeric.h"
#include "PreviewState.h"

namespace {

// The range leaves the scroll margin free at both ends of the image.
ScrollBarSetup SetupAxis(int32 areaExtent, int32 imageExtent) {
    if (areaExtent >= imageExtent) return {};
    return {true, Saturate(int64(imageExtent) + 2 * kScrollMargin), areaExtent};
}

// Full-resolution position under the middle of the area along one axis,
// measured from where the image starts on the screen: scrolled by the bar, or
// centred in the area when it is the smaller of the two.
int32 CentreOnAxis(int32 areaStart, int32 areaExtent, int32 imageStart) {
    return TruncateToInt((double(areaStart) + areaExtent / 2 - imageStart) * View().scale);
}

// The scroll position that puts a full-resolution position under the middle.
int32 ScrollOnAxis(int32 position, int32 areaExtent) {
    const int64 scroll = int64(TruncateToInt(position / View().scale)) + kScrollMargin - areaExtent / 2;
    return Saturate(std::max<int64>(scroll, 0));
}

}  // namespace

ScrollBarsSetup SetupScrollBars(const PreviewPort& port) {
    const ScreenRect image = GetImageRect(port);
    return {SetupAxis(Width(port.area), Width(image)), SetupAxis(Height(port.area), Height(image))};
}

VPoint GetViewCentre(const PreviewPort& port) {
    const ScreenRect image = GetImageRect(port);
    return {CentreOnAxis(port.area.top, Height(port.area), image.top),
            CentreOnAxis(port.area.left, Width(port.area), image.left)};
}

ScrollPositions ScrollToCentre(const PreviewPort& port, const VPoint& centre) {
    return {ScrollOnAxis(centre.h, Width(port.area)), ScrollOnAxis(centre.v, Height(port.area))};
}
