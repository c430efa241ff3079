#include "PreviewScroll.h"

#include "Numeric.h"
#include "PreviewState.h"

namespace {

// The range leaves the scroll margin free at both ends of the image.
ScrollBarSetup SetupAxis(int32 areaExtent, int32 imageExtent) {
    if (areaExtent >= imageExtent) return {};
    return {true, Saturate(int64(imageExtent) + 2 * kScrollMargin), areaExtent};
}

// Full-resolution position under the middle of the area along one axis.
int32 CentreOnAxis(int32 scroll, int32 areaExtent) {
    return TruncateToInt((double(scroll) + areaExtent / 2 - kScrollMargin) * View().scale);
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
    return {CentreOnAxis(port.vScroll, Height(port.area)), CentreOnAxis(port.hScroll, Width(port.area))};
}

ScrollPositions ScrollToCentre(const PreviewPort& port, const VPoint& centre) {
    return {ScrollOnAxis(centre.h, Width(port.area)), ScrollOnAxis(centre.v, Height(port.area))};
}
