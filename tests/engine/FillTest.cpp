#include <gtest/gtest.h>

#include <vector>

#include "FillRows.h"

namespace {

using Row = std::vector<uint8>;

Row Filled(Row row, int32 a, int32 b) {
    FillRow(row.data(), int32(row.size()), a, b);
    return row;
}

Row Slice(const Row& row, int32 a, int32 b) { return Row(row.begin() + a, row.begin() + b + 1); }

TEST(FillRows, CubicWorkedExample) {
    const Row row = {100, 100, 100, 100, 7, 7, 7, 7, 7, 7, 200, 200, 200, 200};
    EXPECT_EQ(Slice(Filled(row, 4, 9), 4, 9), (Row{115, 128, 142, 157, 171, 184}));
}

// Catches a fill that multiplies by the reciprocal of the determinant: that
// yields v - 1 for many run lengths.
TEST(FillRows, FlatSurroundingGivesItsValue) {
    for (int v = 0; v <= 255; v += 3)
        for (int32 run = 1; run <= 120; ++run) {
            const int32 W = run + 8;
            Row row(W, uint8(v));
            for (int32 x = 4; x < 4 + run; ++x) row[x] = uint8(255 - v);
            EXPECT_EQ(Filled(row, 4, 3 + run), Row(W, uint8(v))) << "cubic v " << v << " run " << run;
            EXPECT_EQ(Filled(row, 3, 3 + run), Row(W, uint8(v))) << "line v " << v << " run " << run;
        }
}

// Cells a-2, a-1, b+1, b+2 hold 100 and the outer ones 0: the line gives a flat
// 100, the cubic (which sees the outer cells) does not.
TEST(FillRows, CubicNeedsFourCellsOnEachSide) {
    const int32 W = 20;
    auto row = [&](int32 a, int32 b) {
        Row r(W, 0);
        r[a - 2] = r[a - 1] = r[b + 1] = r[b + 2] = 100;
        return r;
    };
    const Row run100(12, 100);
    EXPECT_NE(Slice(Filled(row(4, 15), 4, 15), 4, 15), run100);
    EXPECT_EQ(Slice(Filled(row(3, 14), 3, 14), 3, 14), run100);
    EXPECT_EQ(Slice(Filled(row(5, 16), 5, 16), 5, 16), run100);
}

TEST(FillRows, CubicFollowsARampAndClampsOvershoot) {
    Row ramp(30);
    for (int32 x = 0; x < 30; ++x) ramp[x] = uint8(10 + 7 * x);
    const Row filled = Filled(Row(ramp.begin(), ramp.end()), 6, 22);
    for (int32 x = 6; x <= 22; ++x) EXPECT_NEAR(filled[x], ramp[x], 1) << x;

    // Steep slopes toward the run push the cubic far above 255.
    const Row peak = Filled({0, 85, 170, 255, 0, 0, 0, 0, 0, 0, 255, 170, 85, 0}, 4, 9);
    EXPECT_EQ(Slice(peak, 4, 9), Row(6, 255));
}

TEST(FillRows, LineAtTheBordersAndItsDegenerateCases) {
    // Two reference cells on the right only: their line is extended.
    Row row(10, 0);
    row[8] = 100;
    row[9] = 110;
    EXPECT_EQ(Slice(Filled(row, 0, 7), 0, 7), (Row{20, 30, 40, 50, 60, 70, 80, 90}));
    // One reference cell: the run takes its value.
    EXPECT_EQ(Filled({77, 1, 2, 3, 4}, 1, 4), Row(5, 77));
    // None: the row stays as sampled.
    EXPECT_EQ(Filled({5, 6, 7, 8, 9}, 0, 4), (Row{5, 6, 7, 8, 9}));
    // An empty run writes nothing.
    EXPECT_EQ(Filled({5, 6, 7, 8, 9}, 5, 4), (Row{5, 6, 7, 8, 9}));
}

}  // namespace
