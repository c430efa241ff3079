// A wire marked with several points: the path's pieces, their joints, the
// run's progress and limits.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "EngineFixture.h"
#include "WirePath.h"

namespace {

// A 240 by 120 image whose planes are soft gradients with a fine grain,
// crossed by a dark wire that sags along a parabola from (0, 20) to (239, 30)
// by 40 pixels at its middle; pixels are covered in proportion to their
// distance from the wire's centre line, as a lens draws a thin wire.
struct SaggingWire {
    static constexpr int32 kWidth = 240, kHeight = 120;
    static constexpr double kHalfThickness = 1.25;
    static constexpr uint8 kWireLevel = 28;

    static double Row(double x) {
        const double t = x / (kWidth - 1);
        return 20 + 10 * t + 160 * t * (1 - t);
    }
    static uint8 Clean(int16 plane, int32 x, int32 y) {
        return uint8(120 + plane * 25 + x / 6 - y / 5 + ((x * 7 + y * 13 + plane) % 5));
    }
    // The wire's cover of pixel (x, y), from its distance to the curve.
    static double Cover(int32 x, int32 y) {
        double nearest = 1e9;
        for (double cx = x - 4; cx <= x + 4; cx += 0.05)
            nearest = std::min(nearest, std::hypot(x + 0.5 - cx, y + 0.5 - Row(cx)));
        return std::clamp(kHalfThickness + 0.5 - nearest, 0.0, 1.0);
    }

    explicit SaggingWire(int32 depth = 8) : host(kWidth, kHeight, 3, depth) {
        cover.resize(size_t(kWidth) * kHeight);
        for (int32 y = 0; y < kHeight; ++y)
            for (int32 x = 0; x < kWidth; ++x)
                cover[size_t(y) * kWidth + x] = std::abs(y - Row(x)) < 4 ? Cover(x, y) : 0;
        host.Paint([this](int16 p, int32 x, int32 y) {
            const double c = cover[size_t(y) * kWidth + x];
            return uint8(std::lround(Clean(p, x, y) * (1 - c) + kWireLevel * c));
        });
    }

    // Marks `count` points spread evenly along the wire, on it to a pixel.
    void Mark(int32 count, int32 width) {
        host.data.pointCount = count;
        host.params.wireAreaWidth = width;
        for (int32 k = 0; k < count; ++k) {
            const int32 x = k * (kWidth - 1) / (count - 1);
            SetWirePoint(host.data, k, {int32(std::lround(Row(x))), x});
        }
    }

    // How much darker than the clean photo a pixel the wire covers at least
    // half is left, in 8-bit levels: the most over the columns x0..x1, and
    // the mean over the whole wire.
    int32 Darkening(int16 p, int32 x, int32 y) const {
        const int32 left = int32(host.Sample(host.output[p], x, y));
        if (host.depth != 16) return Clean(p, x, y) - left;
        return (Clean(p, x, y) * 32768 + 127) / 255 * 255 / 32768 - left * 255 / 32768;
    }
    template <typename Visit>
    void ForCoveredPixels(int32 x0, int32 x1, Visit visit) const {
        for (int32 y = 0; y < kHeight; ++y)
            for (int32 x = std::max(x0, 0); x <= std::min(x1, kWidth - 1); ++x)
                if (cover[size_t(y) * kWidth + x] >= 0.5)
                    for (int16 p = 0; p < 3; ++p) visit(Darkening(p, x, y));
    }
    int32 DarkestLeft(int32 x0, int32 x1) const {
        int32 darkest = 0;
        ForCoveredPixels(x0, x1, [&](int32 d) { darkest = std::max(darkest, d); });
        return darkest;
    }
    double MeanDarkening() const {
        double sum = 0;
        int32 count = 0;
        ForCoveredPixels(0, kWidth - 1, [&](int32 d) {
            sum += d;
            ++count;
        });
        return sum / count;
    }

    FakeHost host;
    std::vector<double> cover;
};

// "A few levels": what the grain and the straight fill across the wire leave
// of its 120 levels of darkness.
constexpr int32 kFewLevels = 10;

TEST(Path, RemovesASaggingWireThroughEveryJoint) {
    struct Case {
        int32 points, width, depth;
    } cases[] = {{3, 40, 8}, {5, 24, 8}, {6, 24, 16}, {16, 14, 8}};
    for (const Case& c : cases) {
        SaggingWire wire(c.depth);
        wire.Mark(c.points, c.width);
        ASSERT_EQ(wire.host.Run(), noErr) << c.points << " points";
        for (int32 k = 1; k + 1 < c.points; ++k) {
            const int32 joint = k * (SaggingWire::kWidth - 1) / (c.points - 1);
            EXPECT_LE(wire.DarkestLeft(joint - 8, joint + 8), kFewLevels)
                << c.points << " points at " << c.depth << " bits, joint at x " << joint;
        }
        EXPECT_LT(std::fabs(wire.MeanDarkening()), 2.0) << c.points << " points";
    }
}

TEST(Path, OneRunOutdoesTwoPointRunsChainedAtItsPoints) {
    SaggingWire one;
    one.Mark(5, 24);
    ASSERT_EQ(one.host.Run(), noErr);
    SaggingWire chained;
    chained.Mark(5, 24);
    const PluginData path = chained.host.data;
    for (int32 k = 0; k + 1 < 5; ++k) {
        const WirePoint a = WirePointAt(path, k), b = WirePointAt(path, k + 1);
        chained.host.MarkWire(a.h, a.v, b.h, b.v, 24);
        ASSERT_EQ(chained.host.Run(), noErr);
        chained.host.input = chained.host.output;
    }
    EXPECT_LT(one.DarkestLeft(0, SaggingWire::kWidth - 1), chained.DarkestLeft(0, SaggingWire::kWidth - 1));
    EXPECT_LT(std::fabs(one.MeanDarkening()), std::fabs(chained.MeanDarkening()));
}

TEST(Path, ProgressCoversEveryPieceAndCancelStopsTheRun) {
    SaggingWire wire;
    wire.Mark(4, 24);
    ASSERT_EQ(wire.host.Run(), noErr);
    const int32 total = 3 * 5 * (3 + 1);
    EXPECT_EQ(wire.host.stepTotal, total);
    ASSERT_EQ(wire.host.steps.size(), size_t(total));
    EXPECT_EQ(wire.host.steps.back(), total);
    EXPECT_TRUE(std::is_sorted(wire.host.steps.begin(), wire.host.steps.end()));
    EXPECT_EQ(wire.host.liveBuffers, 0);

    for (int32 at : {3, 25, total - 1}) {
        SaggingWire cancelled;
        cancelled.Mark(4, 24);
        cancelled.host.cancelAtStep = at;
        EXPECT_EQ(cancelled.host.Run(), userCanceledErr) << at;
        EXPECT_EQ(cancelled.host.steps.back(), at);
        EXPECT_EQ(cancelled.host.liveBuffers, 0);
    }
}

TEST(Path, BuffersDoNotGrowWithThePoints) {
    int32 largest[2];
    for (int32 i = 0; i < 2; ++i) {
        SaggingWire wire;
        wire.Mark(i == 0 ? 3 : 16, 24);
        ASSERT_EQ(wire.host.Run(), noErr);
        largest[i] = wire.host.largestBuffer;
    }
    EXPECT_LE(largest[1], largest[0]);
}

TEST(Path, PointCountsAndRepeatedPoints) {
    struct Case {
        int32 count;
        int16 result;
    } cases[] = {{17, paramErr}, {-1, 2}, {1, 2}};
    for (const Case& c : cases) {
        SaggingWire wire;
        wire.Mark(3, 24);
        wire.host.data.pointCount = c.count;
        EXPECT_EQ(wire.host.Run(), c.result) << c.count;
        EXPECT_EQ(wire.host.advanceCalls, 0);
    }

    // Points clicked twice in place are one point: three points on one spot
    // mark nothing, and a path whose middle point repeats its first is the
    // two-point run of its other points, byte for byte.
    SaggingWire same;
    same.Mark(3, 24);
    for (int32 k = 0; k < 3; ++k) SetWirePoint(same.host.data, k, {50, 60});
    EXPECT_EQ(same.host.Run(), 2);

    SaggingWire doubled, two;
    doubled.Mark(3, 24);
    SetWirePoint(doubled.host.data, 1, WirePointAt(doubled.host.data, 0));
    const WirePoint a = WirePointAt(doubled.host.data, 0), b = WirePointAt(doubled.host.data, 2);
    two.host.MarkWire(a.h, a.v, b.h, b.v, 24);
    ASSERT_EQ(doubled.host.Run(), noErr);
    ASSERT_EQ(two.host.Run(), noErr);
    EXPECT_EQ(doubled.host.output, two.host.output);
}

TEST(WirePath, PiecesReachPastJointsAndEnds) {
    PluginData data{};
    data.pointCount = 4;
    const WirePoint points[] = {{0, 0}, {0, 100}, {0, 110}, {0, 200}};
    for (int32 k = 0; k < 4; ++k) SetWirePoint(data, k, points[k]);
    const WirePath path = ReadWirePath(data);
    ASSERT_EQ(path.count, 4);
    struct Case {
        int32 piece;
        WirePoint first, last;
    } cases[] = {
        {0, {0, -5}, {0, 110}},    // past the joint by no more than to the next point
        {1, {0, 80}, {0, 130}},    // overlap 20 on both sides
        {2, {0, 100}, {0, 205}},   // back to the previous point, 5 past the path's end
    };
    for (const Case& c : cases) {
        WirePoint first, last;
        PieceEnds(path, c.piece, 20, 5, first, last);
        EXPECT_EQ(first.h, c.first.h) << c.piece;
        EXPECT_EQ(last.h, c.last.h) << c.piece;
        EXPECT_EQ(first.v, 0);
        EXPECT_EQ(last.v, 0);
    }

    EndCap caps[2];
    PieceCaps(path, 0, 3, 1, caps);
    EXPECT_FALSE(BeyondCaps(caps, -2.4, 0.5));
    EXPECT_TRUE(BeyondCaps(caps, -2.6, 0.5));
    EXPECT_FALSE(BeyondCaps(caps, 101.4, 7));
    EXPECT_TRUE(BeyondCaps(caps, 101.6, 7));
    PieceCaps(path, 2, 3, 1, caps);
    EXPECT_TRUE(BeyondCaps(caps, 109.4, 0.5));
    EXPECT_FALSE(BeyondCaps(caps, 203.4, 0.5));
    EXPECT_TRUE(BeyondCaps(caps, 203.6, 0.5));
}

TEST(WirePath, PointsCloserThanTwoPixelsToTheLastKeptOneAreDropped) {
    PluginData data{};
    const WirePoint points[] = {{10, 10}, {10, 11}, {11, 11}, {12, 11}, {40, 40}, {40, 40}};
    data.pointCount = 6;
    for (int32 k = 0; k < 6; ++k) SetWirePoint(data, k, points[k]);
    const WirePath path = ReadWirePath(data);
    ASSERT_EQ(path.count, 3);
    EXPECT_EQ(path.points[1].v, 12);
    EXPECT_EQ(path.points[2].h, 40);
}

}  // namespace
