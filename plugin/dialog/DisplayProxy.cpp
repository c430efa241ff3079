#include "DisplayProxy.h"

#include "ImageModes.h"
#include "PreviewState.h"
#include "Rects.h"

namespace {

constexpr int32 kPixelMapVersion = 1;
constexpr int32 kSimpleMask = 0;

// The mask to draw with, if any: the host's own for a floating selection,
// otherwise the buffer's transparency plane behind the colour planes when
// the buffer holds one.
bool ChooseMask(PSPixelMask& mask) {
    const FilterRecord& record = *gFilterRecord;
    const PreviewView& view = View();
    mask = {nullptr, nullptr, 0, 1, kSimpleMask};
    if (record.isFloating) {
        mask.maskData = record.maskData;
        mask.rowBytes = record.maskRowBytes;
        return mask.maskData != nullptr;
    }
    if (!record.inLayerPlanes || !record.inTransparencyMask) return false;
    const int32 colourPlanes = ColourPlaneCount(record.imageMode);
    if (colourPlanes >= record.planes) return false;
    mask.maskData = view.pixels + size_t(colourPlanes) * size_t(view.planeSize);
    mask.rowBytes = view.proxyWidth;
    return true;
}

}  // namespace

void DisplayProxy(void* deviceContext, const ScreenRect& image, const ScreenRect& area) {
    const PreviewView& view = View();
    const DisplayPixelsProc display = gFilterRecord->displayPixels;
    const ScreenRect visible = Intersect(image, area);
    if (!view.pixels || !display || IsEmpty(visible)) return;

    const VRect in = GetInRect();
    PSPixelMask mask;
    const bool masked = ChooseMask(mask);
    const PSPixelMap map{kPixelMapVersion, in, PixelMapMode(gFilterRecord->imageMode), view.proxyWidth, 1,
                         view.planeSize, view.pixels, nullptr, masked ? &mask : nullptr, 0, 0};
    // The visible part in the coordinates of the bounds.
    auto at = [](int32 start, int32 screen, int32 imageStart) {
        return Saturate(int64(start) + screen - imageStart);
    };
    const VRect source{at(in.top, visible.top, image.top), at(in.left, visible.left, image.left),
                       at(in.top, visible.bottom, image.top), at(in.left, visible.right, image.left)};
    display(&map, &source, visible.top, visible.left, deviceContext);
}
