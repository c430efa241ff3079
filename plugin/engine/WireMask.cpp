#include "WireMask.h"

#include <algorithm>

namespace {

void MarkMargin(WireJob& job, int32 top, int32 bottom, int32 left, int32 right) {
    for (int32 r = std::max(top, 0); r <= std::min(bottom, job.stripLength - 1); ++r) {
        uint8* mask = job.mask.Row<uint8>(r);
        for (int32 c = std::max(left, 0); c <= std::min(right, job.stripWidth - 1); ++c)
            if (mask[c] == 0) mask[c] = 2;
    }
}

}  // namespace

int32 WidenRadius(int32 T) {
    const int32 m = 4 * T / 10;
    return m >= 1 ? m + 1 : 2;
}

void WidenMask(WireJob& job) {
    const int32 W = job.stripWidth, N = job.stripLength, R = WidenRadius(job.wireThickness);
    // Seeds are taken run by run: the square around each seed of a run covers
    // the same cells as one rectangle around the whole run.
    for (int32 r = 1; r <= N - 2; ++r) {
        const uint8* mask = job.mask.Row<uint8>(r);
        for (int32 c = 1; c <= W - 2; ++c) {
            if (mask[c] != 1) continue;
            const int32 first = c;
            while (c + 1 <= W - 2 && mask[c + 1] == 1) ++c;
            MarkMargin(job, r - R, r + R, first - R, c + R);
        }
    }
}

bool FindRuns(WireJob& job) {
    const int32 W = job.stripWidth, N = job.stripLength;
    if (!job.runStart.Resize<int32>(N) || !job.runEnd.Resize<int32>(N)) return false;
    int32* runStart = job.runStart.Items<int32>();
    int32* runEnd = job.runEnd.Items<int32>();
    for (int32 r = 0; r < N; ++r) {
        const uint8* mask = job.mask.Row<uint8>(r);
        int32 c = 0;
        while (c < W && mask[c] == 0) ++c;
        runStart[r] = c;
        while (c < W && mask[c] != 0) ++c;
        runEnd[r] = c - 1;
    }
    return true;
}
