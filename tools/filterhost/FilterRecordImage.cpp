#include "FilterRecordImage.h"

#include <algorithm>
#include <cstdint>

#include "HostConstants.h"
#include "HostError.h"

namespace {

int16_t Clamp16(int32_t v) { return int16_t(std::min<int32_t>(v, INT16_MAX)); }

// A layer's planes: its colour planes, then its transparency, as a host
// passes a layer with transparency (editable, no selection).
void DescribePlanes(FilterRecord& record, const ImagePlanes& image) {
    record.planes = int16_t(image.planes());
    if (!image.hasTransparency()) {
        record.filterCase = kFilterCaseFlatImageNoSelection;
        record.inNonLayerPlanes = record.outNonLayerPlanes = record.absNonLayerPlanes = record.planes;
        return;
    }
    record.filterCase = kFilterCaseEditableTransparencyNoSelection;
    record.inLayerPlanes = record.outLayerPlanes = record.absLayerPlanes = int16_t(image.colourPlanes());
    record.inTransparencyMask = record.outTransparencyMask = record.absTransparencyMask = 1;
}

}  // namespace

void DescribeImage(FilterRecord& record, BigDocumentStruct* big, const ImagePlanes& image) {
    int32_t w = image.width(), h = image.height();
    if (!big && (w > INT16_MAX || h > INT16_MAX))
        throw HostError("the image is too large for a host without 32-bit coordinates");
    record.imageSize = {Clamp16(h), Clamp16(w)};
    record.wholeSize = record.imageSize;
    record.filterRect = {0, 0, Clamp16(h), Clamp16(w)};
    DescribePlanes(record, image);
    record.imageMode = image.mode();
    record.depth = image.depth();
    if (!big) return;
    *big = BigDocumentStruct{};
    big->imageSize32 = {h, w};
    big->wholeSize32 = {h, w};
    big->filterRect32 = {0, 0, h, w};
}
