#include "PlaneSet.h"

namespace {

struct ModeInfo {
    int32 sampleBytes;
    int16 colourPlanes;
    bool traceWithBlack;
};

// Zero sample bytes: the filter is not offered for the mode.
ModeInfo InfoOf(int16 mode) {
    switch (mode) {
        case plugInModeGrayScale: return {1, 1, false};
        case plugInModeRGBColor:
        case plugInModeLabColor: return {1, 3, false};
        case plugInModeCMYKColor: return {1, 4, true};
        case plugInModeGray16: return {2, 1, false};
        case plugInModeRGB48:
        case plugInModeLab48: return {2, 3, false};
        case plugInModeCMYK64: return {2, 4, true};
        default: return {0, 0, false};
    }
}

}  // namespace

bool ReadPlaneSet(const FilterRecord& record, PlaneSet& set) {
    const ModeInfo mode = InfoOf(record.imageMode);
    if (mode.sampleBytes == 0 || record.planes < 0) return false;
    if (mode.traceWithBlack && record.planes <= kBlackPlane) return false;
    set.sampleBytes = mode.sampleBytes;
    set.traceWithBlack = mode.traceWithBlack;
    if (record.inTransparencyMask == 0) {
        set.colourPlanes = record.planes;
        return true;
    }
    // The transparency plane follows the colour planes; it is never touched.
    if (record.inTransparencyMask < 0 || record.inLayerPlanes != mode.colourPlanes ||
        int32(record.inLayerPlanes) + record.inTransparencyMask > record.planes)
        return false;
    set.colourPlanes = record.inLayerPlanes;
    return true;
}
