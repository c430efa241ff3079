#include "StripGeometry.h"

#include <cmath>
#include <utility>

#include "Numeric.h"

namespace {

int32 Extent(int32 low, int32 high) {
    const int64 extent = int64(high) - low;
    return extent < 0 ? 0 : extent > INT32_MAX ? INT32_MAX : int32(extent);
}

// Mirrors positions before the area's start and moves those beyond its end back
// by the extent; a position equal to the extent is left as it is.
int32 Fold(int32 c, int32 extent) {
    if (c < 0) return -c;
    if (c > extent) return c - extent;
    return c;
}

}  // namespace

void SetupGeometry(WireJob& job, WirePoint first, WirePoint last, int32 wireAreaWidth, const VRect& area,
                   int32 planes) {
    int32 x1 = first.h, y1 = first.v, x2 = last.h, y2 = last.v;
    if (y1 > y2) {
        std::swap(x1, x2);
        std::swap(y1, y2);
    }
    job.x1 = x1;
    job.y1 = y1;
    job.x2 = x2;
    job.y2 = y2;

    // 64-bit: the squared row difference of untrusted points overflows 32 bits.
    const uint64_t rows = uint64_t(int64(y2) - y1);
    const double columns = double(x1) - double(x2);
    job.length = std::sqrt(double(rows * rows) + columns * columns);
    job.stripWidth = wireAreaWidth;
    job.stripLength = TruncateToInt(job.length);
    if (job.stripLength == 0) return;

    job.stepY = (double(y2) - double(y1)) / job.stripLength;
    job.stepX = (double(x2) - double(x1)) / job.stripLength;
    job.originX = x1 - job.stripWidth * job.stepY * 0.5;
    job.originY = y1 + job.stripWidth * job.stepX * 0.5;
    job.areaWidth = Extent(area.left, area.right);
    job.areaHeight = Extent(area.top, area.bottom);
    job.progressTotal = (planes + 1) * 5;
    job.progressDone = 0;
}

ImagePoint StripToImage(const WireJob& job, double i, double j) {
    return {job.originX + i * job.stepX + j * job.stepY, job.originY + i * job.stepY - j * job.stepX};
}

StripPoint ImageToStrip(const WireJob& job, double x, double y) {
    const double dx = x - job.originX;
    const double dy = y - job.originY;
    return {dx * job.stepY - dy * job.stepX, dx * job.stepX + dy * job.stepY};
}

StripPoint StripPositionOf(const WireJob& job, double x, double y) {
    const StripPoint t = ImageToStrip(job, x, y);
    const double scale = 1 / (job.stepX * job.stepX + job.stepY * job.stepY);
    return {t.across * scale, t.along * scale};
}

bool StripCellAt(const WireJob& job, double x, double y, int32& row, int32& column) {
    const StripPoint p = ImageToStrip(job, x, y);
    column = TruncateToInt(p.across);
    row = TruncateToInt(p.along);
    return column >= 0 && column < job.stripWidth && row >= 0 && row < job.stripLength;
}

void WireRectangle(const WireJob& job, ImagePoint corners[4]) {
    const double hx = job.stripWidth * job.stepY * 0.5;
    const double hy = job.stripWidth * job.stepX * 0.5;
    corners[0] = {job.x1 - hx, job.y1 + hy};  // C0, the strip's origin
    corners[1] = {job.x1 + hx, job.y1 - hy};  // C3
    corners[2] = {job.x2 + hx, job.y2 - hy};  // C2
    corners[3] = {job.x2 - hx, job.y2 + hy};  // C1
}

template <typename Sample>
void SampleStrip(const WireJob& job, const PlaneBlock<Sample>& block, const HostGrid& strip) {
    for (int32 i = 0; i < job.stripLength; ++i) {
        Sample* row = strip.Row<Sample>(i);
        for (int32 j = 0; j < job.stripWidth; ++j) {
            const ImagePoint p = StripToImage(job, i, j);
            const int32 x = Fold(TruncateToInt(p.x), job.areaWidth);
            const int32 y = Fold(TruncateToInt(p.y), job.areaHeight);
            if (InArea(job, x, y)) row[j] = block.In(x, y);
        }
    }
}

template void SampleStrip(const WireJob&, const PlaneBlock<uint8>&, const HostGrid&);
template void SampleStrip(const WireJob&, const PlaneBlock<uint16>&, const HostGrid&);
