#include "Thickness.h"

#include <cstdlib>

#include "Gradients.h"
#include "HostSteps.h"

namespace {

// Edges running along the strip, within about 14 degrees.
bool IsFalling(GradientPair g) { return g.gx < 0 && -g.gx > 4 * std::abs(g.gy); }
bool IsRising(GradientPair g) { return g.gx > 0 && g.gx > 4 * std::abs(g.gy); }

// histogram[d] sums |gx(a)| * gx(b) over falling edges a and rising edges b of
// one row at distance d. 64-bit: long high-contrast wires overflow 32 bits.
void AccumulateEdgeDistances(const HostGrid& gradients, int64* histogram) {
    const int32 W = gradients.stride;
    for (int32 r = 1; r <= gradients.rows - 2; ++r) {
        const GradientPair* g = gradients.Row<GradientPair>(r);
        for (int32 a = 1; a <= W - 2; ++a) {
            if (!IsFalling(g[a])) continue;
            for (int32 b = 1; b <= W - 2; ++b)
                if (IsRising(g[b])) histogram[std::abs(a - b)] += int64(-g[a].gx) * g[b].gx;
        }
    }
}

// The first distance at which the histogram stops rising; ties stop it.
int32 FirstPeak(const int64* histogram, int32 W) {
    int32 k = 1;
    while (k < W - 1 && histogram[k] > histogram[k - 1]) ++k;
    return k;
}

}  // namespace

bool EstimateThickness(WireJob& job, const HostGrid& gradients) {
    HostBuffer histogram;
    if (!histogram.Resize<int64>(job.stripWidth)) return false;
    AccumulateEdgeDistances(gradients, histogram.Items<int64>());
    if (!ReportStep(job)) return false;
    job.wireThickness = 2 * FirstPeak(histogram.Items<int64>(), job.stripWidth);
    return true;
}
