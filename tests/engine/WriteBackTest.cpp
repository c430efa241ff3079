#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <vector>

#include "EngineFixture.h"
#include "FillRows.h"
#include "HostSteps.h"
#include "QuadWalker.h"
#include "StripGeometry.h"
#include "TraceWire.h"
#include "WriteBack.h"

namespace {

// The write-back as plainly as it can be written: both maps cover the whole
// area and every pixel is checked against the area where it is used.
std::vector<uint8> ReferenceWriteBack(const WireJob& job, const std::vector<uint8>& in, std::vector<uint8> out) {
    const int32 A = job.areaWidth, B = job.areaHeight, W = job.stripWidth, N = job.stripLength;
    const int32 T = job.wireThickness;
    std::vector<int32> difference(size_t(A) * B, 0), correction(size_t(A) * B, 0);
    auto inside = [&](int32 x, int32 y) { return x >= 0 && x < A && y >= 0 && y < B; };
    auto at = [&](int32 x, int32 y) { return size_t(y) * A + x; };
    auto mask = [&](int32 r, int32 c) { return job.mask.At<uint8>(r, c); };
    auto cell = [&](double x, double y, int32& r, int32& c) {
        const StripPoint p = ImageToStrip(job, x, y);
        c = int32(p.across), r = int32(p.along);
        return c >= 0 && c < W && r >= 0 && r < N;
    };
    ImagePoint corners[4];
    WireRectangle(job, corners);
    QuadWalker walker(corners, INT_MAX, INT_MAX);
    std::vector<std::pair<int32, int32>> pixels;
    for (int32 x, y; walker.Next(x, y);) pixels.push_back({x, y});

    const int32 kernel[3][3] = {{9, 11, 9}, {11, 59, 11}, {9, 11, 9}};
    for (const auto& [x, y] : pixels) {
        int32 sumW = 0, sumV = 0, r, c;
        for (int32 dy = -1; dy <= 1; ++dy)
            for (int32 dx = -1; dx <= 1; ++dx)
                if (inside(x + dx, y + dy)) {
                    sumW += kernel[dy + 1][dx + 1];
                    sumV += kernel[dy + 1][dx + 1] * in[at(x + dx, y + dy)];
                }
        if (sumW > 0 && inside(x, y) && cell(x, y, r, c) && mask(r, c) && c >= 1 && c <= W - 2 &&
            mask(r, c - 1) && mask(r, c + 1)) {
            difference[at(x, y)] = sumV / sumW - job.strip.At<uint8>(r, c);
            out[at(x, y)] = job.strip.At<uint8>(r, c);
        }
    }

    std::vector<double> raw(N), centre(N);
    for (int32 r = 0; r < N; ++r) raw[r] = (job.runStart.Items<int32>()[r] + job.runEnd.Items<int32>()[r]) * 0.5;
    for (int32 d = 0; d < N; ++d) {
        double sum = 0;
        int32 count = 0;
        for (int32 r = d - 4 * T; r <= d + 4 * T; ++r)
            if (r >= 0 && r < N) sum += raw[r], ++count;
        centre[d] = count ? sum / count : 0.0;
    }
    const double k = 1 / std::max(std::abs(job.stepX), std::abs(job.stepY));
    const double ex = job.stepX * k, ey = job.stepY * k;
    for (const auto& [x, y] : pixels) {
        int32 r, c;
        if (!inside(x, y) || !cell(x, y, r, c)) continue;
        std::vector<int32> samples;
        double sx = x - T * ex, sy = y - T * ey;
        for (int32 n = 0; n < 2 * T + 1; ++n) {
            int32 r2, c2;
            if (cell(sx, sy, r2, c2)) {
                const double d = centre[r] - centre[r2];
                const int32 X = int32(sx - ey * d + 0.5), Y = int32(sy + ex * d + 0.5);
                if (inside(X, Y)) samples.push_back(difference[at(X, Y)]);
            }
            sx += ex, sy += ey;
        }
        std::sort(samples.begin(), samples.end());
        const int32 median = samples.empty() ? 0 : samples[samples.size() / 2];
        correction[at(x, y)] = difference[at(x, y)] - median;
    }

    for (const auto& [x, y] : pixels) {
        int32 r, c;
        if (inside(x, y) && cell(x + 0.5, y + 0.5, r, c) && mask(r, c))
            out[at(x, y)] = uint8(std::clamp(out[at(x, y)] + correction[at(x, y)], 0, 255));
    }
    return out;
}

uint8 Texture(int32 x, int32 y) { return uint8(60 + (x * 5 + y * 3) % 70 + (x * x * 7 + y * 13) % 23); }

// Wires across, along, diagonal to and beyond the border of a 64 by 56 area.
TEST(WriteBack, MatchesTheFullImageVersion) {
    struct Wire {
        int32 x1, y1, x2, y2, width;
    };
    const Wire wires[] = {{5, 30, 60, 30, 12}, {20, 3, 20, 50, 9},  {2, 3, 58, 52, 30},
                          {60, 4, 8, 47, 17},  {-6, 10, 40, 70, 40}, {30, 20, 33, 40, 200}};
    for (const Wire& w : wires) {
        FakeHost host(64, 56, 1);
        host.Paint([](int16, int32 x, int32 y) {
            const bool onWire = (x + y) % 29 < 3;
            return onWire ? uint8(20) : Texture(x, y);
        });
        host.MarkWire(w.x1, w.y1, w.x2, w.y2, w.width);
        WireJob job;
        host.Setup(job);
        ASSERT_TRUE(TraceWire<uint8>(job, kGreyPlanes));
        PlaneBlock<uint8> block;
        ASSERT_TRUE(RequestPlane(0, job, block));
        SampleStrip(job, block, job.strip);
        FillRows<uint8>(job);
        const std::vector<uint8> expected = ReferenceWriteBack(job, host.input[0], host.output[0]);
        ASSERT_TRUE(WriteBack(job, block));
        EXPECT_EQ(host.output[0], expected) << w.x1 << "," << w.y1 << " " << w.x2 << "," << w.y2;
        EXPECT_NE(host.output[0], host.input[0]);
    }
}

}  // namespace
