#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <random>

#include "EdgePaths.h"
#include "EngineFixture.h"
#include "Gradients.h"
#include "TraceWire.h"
#include "WireMask.h"

namespace {

// A host whose image, seen through a horizontal wire, gives every strip row
// the same profile across the strip: cell (i, j) = across(j). W is even, so
// strip column j is image row 10 + W - j.
struct TracedProfile {
    FakeHost host;
    WireJob job;
    bool traced;

    TracedProfile(int32 W, int32 N, const std::function<uint8(int32)>& across) : host(N + 20, W + 20, 1) {
        host.Paint([&](int16, int32, int32 y) { return across(std::clamp(10 + W - y, 0, W - 1)); });
        host.MarkWire(5, 10 + W / 2, 5 + N, 10 + W / 2, W);
        host.Setup(job);
        traced = TraceWire<uint8>(job, kGreyPlanes);
    }
    int32 RunStart(int32 r) const { return job.runStart.Items<int32>()[r]; }
    int32 RunEnd(int32 r) const { return job.runEnd.Items<int32>()[r]; }
};

auto DarkColumns(int32 first, int32 last) {
    return [=](int32 j) { return uint8(j >= first && j <= last ? 0 : 255); };
}

// Long and high-contrast: the histogram sums exceed 32 bits.
TEST(TraceWire, TwoColumnLineGivesThicknessSix) {
    TracedProfile p(40, 1500, DarkColumns(20, 21));
    ASSERT_TRUE(p.traced);
    EXPECT_EQ(p.job.wireThickness, 6);
    EXPECT_EQ(WidenRadius(6), 3);
    EXPECT_EQ(p.host.steps, (std::vector<int32>{1, 2, 3, 4, 5}));
    for (int32 r = 1; r < 1499; ++r) {
        ASSERT_LE(p.RunStart(r), 20) << r;
        ASSERT_GE(p.RunEnd(r), 21) << r;
        ASSERT_LE(p.RunEnd(r) - p.RunStart(r), 2 + 2 * 2 * 3) << r;
    }
}

TEST(TraceWire, OneOrThreeColumnLinesGiveThicknessTwo) {
    for (int32 last : {20, 22}) {
        TracedProfile p(40, 30, DarkColumns(20, last));
        ASSERT_TRUE(p.traced);
        EXPECT_EQ(p.job.wireThickness, 2) << last;
        EXPECT_EQ(WidenRadius(2), 2);
    }
}

std::vector<std::pair<int32, int32>> Runs(int32 W, int32 N, const std::function<uint8(int32)>& across) {
    TracedProfile p(W, N, across);
    EXPECT_TRUE(p.traced);
    std::vector<std::pair<int32, int32>> runs;
    for (int32 r = 0; p.traced && r < N; ++r) runs.push_back({p.RunStart(r), p.RunEnd(r)});
    return runs;
}

TEST(TraceWire, BrightLineGivesTheSameBandAsADarkOne) {
    const auto dark = Runs(40, 40, DarkColumns(18, 21));
    EXPECT_EQ(dark, Runs(40, 40, [](int32 j) { return uint8(j >= 18 && j <= 21 ? 255 : 0); }));
    EXPECT_EQ(dark.size(), 40u);
}

// Without edges every score ties and ties go left: both paths run down
// column 1, widened by R = 2 into columns 0..3 of every row.
TEST(TraceWire, StripWithoutEdgesRunsDownColumnOne) {
    for (int32 W : {6, 40})
        for (int32 N : {3, 30}) {
            TracedProfile p(W, N, [](int32) { return uint8(90); });
            ASSERT_TRUE(p.traced);
            EXPECT_EQ(p.job.wireThickness, 2);
            for (int32 r = 0; r < N; ++r) {
                EXPECT_EQ(p.RunStart(r), 0) << W << " " << N << " " << r;
                EXPECT_EQ(p.RunEnd(r), 3) << W << " " << N << " " << r;
            }
        }
}

TEST(TraceWire, TwoRowStripMarksNothing) {
    TracedProfile p(40, 2, DarkColumns(20, 21));
    ASSERT_TRUE(p.traced);
    EXPECT_EQ(p.RunStart(0), 40);
    EXPECT_EQ(p.RunEnd(1), 39);
}

// Falling edges at columns 10 and 12 in rows 1-4, then at column 11: a grid
// mirror-symmetric about column 11, so the path entering (5, 11) finds equal
// scores to its left and right: the left one wins.
TEST(TraceWire, TiesGoToTheLeft) {
    FakeHost host(1, 1, 1);
    WireJob job;
    job.stripWidth = 23;
    job.stripLength = 10;
    job.wireThickness = 2;
    HostGrid gradients;
    ASSERT_TRUE(gradients.Resize<GradientPair>(23, 10));
    for (int32 r = 1; r <= 8; ++r)
        for (int32 c : r <= 4 ? std::vector<int32>{10, 12} : std::vector<int32>{11})
            gradients.At<GradientPair>(r, c) = {-100, 0};
    PathGrids paths;
    ASSERT_TRUE(TraceEdges(job, gradients, paths));
    EXPECT_EQ(paths.scoreA.At<int32>(4, 10), paths.scoreA.At<int32>(4, 12));
    EXPECT_EQ(paths.linkA.At<int32>(5, 11), 10);

    ASSERT_TRUE(job.mask.Resize<uint8>(23, 10));
    Backtrack(paths, job);
    EXPECT_EQ(job.mask.At<uint8>(8, 11), 1);
    EXPECT_EQ(job.mask.At<uint8>(8, 12), 0);
    EXPECT_EQ(job.mask.At<uint8>(4, 10), 1);  // path A came down column 10
    EXPECT_EQ(job.mask.At<uint8>(4, 12), 0);
}

// The coupling bonus searched literally: for each column, the window of
// T-1 columns on either side.
void CoupleRowLiterally(std::vector<int32>& a, std::vector<int32>& b, int32 W, int32 T) {
    auto rowMax = [&](const std::vector<int32>& s) { return *std::max_element(s.begin() + 1, s.end() - 1); };
    auto near = [&](const std::vector<int32>& s, int32 m, int32 c) {
        for (int32 t = c - T + 1; t <= c + T - 1; ++t)
            if (t >= 1 && t <= W - 2 && s[t] == m) return true;
        return false;
    };
    int32 maxA = std::max(0, rowMax(a));
    const int32 maxB = std::max(0, rowMax(b));
    bool flag = false;
    for (int32 c = 1; c <= W - 2; ++c)
        if (near(b, maxB, c)) {
            if (a[c] == maxA) flag = true;
            a[c] += 2;
        }
    if (flag) maxA += 2;
    for (int32 c = 1; c <= W - 2; ++c)
        if (near(a, maxA, c)) b[c] += 2;
}

TEST(TraceWire, CouplingMatchesTheWindowSearch) {
    std::mt19937 random(7);
    for (int trial = 0; trial < 2000; ++trial) {
        const int32 W = 5 + int32(random() % 60), T = 2 * (1 + int32(random() % W));
        std::vector<int32> a(W), b(W);
        for (int32 c = 0; c < W; ++c) {
            a[c] = int32(random() % 6);
            b[c] = int32(random() % 6);
        }
        std::vector<int32> expectA = a, expectB = b;
        CoupleRowLiterally(expectA, expectB, W, T);
        CoupleRow(a.data(), b.data(), W, T);
        ASSERT_EQ(a, expectA) << trial;
        ASSERT_EQ(b, expectB) << trial;
    }
}

}  // namespace
