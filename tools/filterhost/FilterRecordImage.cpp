#include "FilterRecordImage.h"

#include <algorithm>
#include <cstdint>

#include "HostConstants.h"
#include "HostError.h"

namespace {

int16_t Clamp16(int32_t v) { return int16_t(std::min<int32_t>(v, INT16_MAX)); }

int16_t ModeOf(const ImagePlanes& image) {
    bool grey = image.planes() == 1;
    if (image.depth() == 16) return grey ? kModeGray16 : kModeRGB48;
    return grey ? plugInModeGrayScale : plugInModeRGBColor;
}

}  // namespace

void DescribeImage(FilterRecord& record, BigDocumentStruct* big, const ImagePlanes& image) {
    int32_t w = image.width(), h = image.height();
    if (!big && (w > INT16_MAX || h > INT16_MAX))
        throw HostError("the image is too large for a host without 32-bit coordinates");
    record.imageSize = {Clamp16(h), Clamp16(w)};
    record.wholeSize = record.imageSize;
    record.filterRect = {0, 0, Clamp16(h), Clamp16(w)};
    record.planes = int16_t(image.planes());
    record.imageMode = ModeOf(image);
    record.depth = image.depth();
    record.inNonLayerPlanes = record.outNonLayerPlanes = record.absNonLayerPlanes = record.planes;
    if (!big) return;
    *big = BigDocumentStruct{};
    big->imageSize32 = {h, w};
    big->wholeSize32 = {h, w};
    big->filterRect32 = {0, 0, h, w};
}
