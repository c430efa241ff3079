#include "MedianPass.h"

#include <algorithm>
#include <cmath>

#include "Numeric.h"
#include "StripGeometry.h"

namespace {

// The value of rank count / 2 (the upper middle for an even count); 0 for none.
int32 Median(int32* values, int32 count) {
    if (count == 0) return 0;
    std::nth_element(values, values + count / 2, values + count);
    return values[count / 2];
}

}  // namespace

bool SmoothCentreline(const WireJob& job, HostBuffer& centre) {
    const int32 N = job.stripLength, reach = 4 * job.wireThickness;
    HostBuffer raw;
    if (!raw.Resize<double>(N) || !centre.Resize<double>(N)) return false;
    const int32* runStart = job.runStart.Items<int32>();
    const int32* runEnd = job.runEnd.Items<int32>();
    double* rawCentre = raw.Items<double>();
    for (int32 r = 0; r < N; ++r) rawCentre[r] = (runStart[r] + runEnd[r]) * 0.5;
    double* smoothed = centre.Items<double>();
    for (int32 d = 0; d < N; ++d) {
        const int32 first = std::max(d - reach, 0), last = std::min(d + reach, N - 1);
        double sum = 0;
        for (int32 r = first; r <= last; ++r) sum += rawCentre[r];
        smoothed[d] = sum / (last - first + 1);
    }
    return true;
}

bool MedianPass(const WireJob& job, QuadWalker& walker, const BoxMap& difference, BoxMap& correction) {
    HostBuffer centreBuffer, sampleBuffer;
    const int32 T = job.wireThickness, window = 2 * T + 1;
    if (!SmoothCentreline(job, centreBuffer) || !sampleBuffer.Resize<int32>(window)) return false;
    const double* centre = centreBuffer.Items<double>();
    int32* samples = sampleBuffer.Items<int32>();

    // A unit step along the wire in its larger component.
    const double k = 1 / std::max(std::fabs(job.stepX), std::fabs(job.stepY));
    const double ex = job.stepX * k, ey = job.stepY * k;

    walker.Restart();
    for (int32 x, y; walker.Next(x, y);) {
        int32 r, c;
        if (!StripCellAt(job, x, y, r, c)) continue;
        const double c0 = centre[r];
        int32 count = 0;
        double sx = x - T * ex, sy = y - T * ey;
        for (int32 n = 0; n < window; ++n, sx += ex, sy += ey) {
            int32 rs, cs;
            if (!StripCellAt(job, sx, sy, rs, cs)) continue;
            // Shift across the wire by the centre line's drift, so that the
            // sample keeps the pixel's distance from the centre line.
            const double d = c0 - centre[rs];
            const int32 X = TruncateToInt(sx - ey * d + 0.5), Y = TruncateToInt(sy + ex * d + 0.5);
            if (InArea(job, X, Y)) samples[count++] = difference.Get(X, Y);
        }
        correction.At(x, y) = difference.Get(x, y) - Median(samples, count);
    }
    return true;
}
