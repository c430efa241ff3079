#include "Gradients.h"

bool ComputeGradients(const WireJob& job, const HostGrid& shown, HostGrid& gradients) {
    const int32 W = job.stripWidth, N = job.stripLength;
    if (!gradients.Resize<GradientPair>(W, N)) return false;
    for (int32 r = 1; r <= N - 2; ++r) {
        const uint8* up = shown.Row<uint8>(r - 1);
        const uint8* s = shown.Row<uint8>(r);
        const uint8* down = shown.Row<uint8>(r + 1);
        GradientPair* g = gradients.Row<GradientPair>(r);
        for (int32 c = 1; c <= W - 2; ++c) {
            // At most 1020 in magnitude, so both fit in int16.
            const int32 gx = 2 * (s[c + 1] - s[c - 1]) + up[c + 1] + down[c + 1] - up[c - 1] - down[c - 1];
            const int32 gy = 2 * (down[c] - up[c]) + down[c - 1] + down[c + 1] - up[c - 1] - up[c + 1];
            g[c] = {int16(gx), int16(gy)};
        }
    }
    return true;
}
