#include "WriteBack.h"

#include "BoxMap.h"
#include "HostSteps.h"
#include "MedianPass.h"
#include "Numeric.h"
#include "QuadWalker.h"
#include "StripGeometry.h"

namespace {

constexpr int32 kSmoothing[3][3] = {{9, 11, 9}, {11, 59, 11}, {9, 11, 9}};

// 3 by 3 weighted mean of the input over the neighbours inside the area.
// (x, y) lies inside, so the weight sum is at least 59; the sum of values
// stays below 139 * 65536.
template <typename Sample>
int32 SmoothedInput(const WireJob& job, const PlaneBlock<Sample>& block, int32 x, int32 y) {
    int32 sumW = 0, sumV = 0;
    for (int32 dy = -1; dy <= 1; ++dy)
        for (int32 dx = -1; dx <= 1; ++dx) {
            if (!InArea(job, x + dx, y + dy)) continue;
            const int32 weight = kSmoothing[dy + 1][dx + 1];
            sumW += weight;
            sumV += weight * block.In(x + dx, y + dy);
        }
    return sumV / sumW;
}

// Pass 1: pixels well inside the wire area take the fill; the difference map
// records how the smoothed input differs from it.
template <typename Sample>
void FillAndDifference(const WireJob& job, const PlaneBlock<Sample>& block, QuadWalker& walker,
                       BoxMap& difference) {
    walker.Restart();
    for (int32 x, y; walker.Next(x, y);) {
        int32 r, c;
        if (!StripCellAt(job, x, y, r, c) || c < 1 || c > job.stripWidth - 2) continue;
        const uint8* mask = job.mask.Row<uint8>(r);
        if (!mask[c - 1] || !mask[c] || !mask[c + 1]) continue;
        const Sample fill = job.strip.At<Sample>(r, c);
        difference.At(x, y) = SmoothedInput(job, block, x, y) - fill;
        block.Out(x, y) = fill;
    }
}

// Pass 2: adds the correction to every pixel whose centre lies in the wire area.
template <typename Sample>
void RestoreTexture(const WireJob& job, const PlaneBlock<Sample>& block, QuadWalker& walker,
                    const BoxMap& correction) {
    walker.Restart();
    for (int32 x, y; walker.Next(x, y);) {
        int32 r, c;
        if (!StripCellAt(job, x + 0.5, y + 0.5, r, c) || !job.mask.At<uint8>(r, c)) continue;
        Sample& out = block.Out(x, y);
        out = ClampSample<Sample>(out + correction.Get(x, y));
    }
}

}  // namespace

template <typename Sample>
bool WriteBack(WireJob& job, const PlaneBlock<Sample>& block) {
    ImagePoint corners[4];
    WireRectangle(job, corners);
    QuadWalker walker(corners, job.areaWidth, job.areaHeight);
    const PixelBox box = walker.Bounds();

    BoxMap differenceMap, correctionMap;
    if (!differenceMap.Allocate(box)) return false;
    FillAndDifference(job, block, walker, differenceMap);
    if (!ReportStep(job)) return false;
    if (!correctionMap.Allocate(box) || !MedianPass(job, walker, differenceMap, correctionMap)) return false;
    if (!ReportStep(job)) return false;
    RestoreTexture(job, block, walker, correctionMap);
    return ReportStep(job);
}

template bool WriteBack(WireJob&, const PlaneBlock<uint8>&);
template bool WriteBack(WireJob&, const PlaneBlock<uint16>&);
