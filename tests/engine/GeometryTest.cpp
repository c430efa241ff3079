#include <gtest/gtest.h>

#include "EngineFixture.h"
#include "StripGeometry.h"

namespace {

uint8 Code(int32 x, int32 y) { return uint8(x * 7 + y * 31); }

TEST(StripGeometry, WorkedExampleMapsAndSamples) {
    FakeHost host(40, 40, 1);
    host.Paint([](int16, int32 x, int32 y) { return Code(x, y); });
    host.MarkWire(13, 24, 10, 20, 50);  // bottom point first: swapped
    WireJob job;
    host.Setup(job);
    EXPECT_EQ(job.x1, 10);
    EXPECT_EQ(job.y1, 20);
    EXPECT_EQ(job.x2, 13);
    EXPECT_EQ(job.y2, 24);
    EXPECT_DOUBLE_EQ(job.length, 5);
    EXPECT_EQ(job.stripLength, 5);
    EXPECT_DOUBLE_EQ(job.stepX, 0.6);
    EXPECT_DOUBLE_EQ(job.stepY, 0.8);
    EXPECT_DOUBLE_EQ(job.originX, -10);
    EXPECT_DOUBLE_EQ(job.originY, 35);
    const ImagePoint p = StripToImage(job, 0, 25);
    EXPECT_DOUBLE_EQ(p.x, 10);
    EXPECT_DOUBLE_EQ(p.y, 20);
    const StripPoint back = ImageToStrip(job, 10, 20);
    EXPECT_DOUBLE_EQ(back.across, 25);
    EXPECT_NEAR(back.along, 0, 1e-12);

    ASSERT_TRUE(job.strip.Resize<uint8>(job.stripWidth, job.stripLength));
    SampleStrip(job, PlaneBlock<uint8>{host.input[0].data(), 40, host.output[0].data(), 40}, job.strip);
    EXPECT_EQ(job.strip.At<uint8>(0, 25), Code(10, 20));
    EXPECT_EQ(job.strip.At<uint8>(4, 25), Code(12, 23));
}

TEST(StripGeometry, EqualRowsKeepTheUsersOrder) {
    FakeHost host(40, 40, 1);
    host.MarkWire(30, 8, 10, 8, 20);
    WireJob job;
    host.Setup(job);
    EXPECT_EQ(job.x1, 30);
    EXPECT_DOUBLE_EQ(job.stepX, -1);  // the strip runs right to left
    EXPECT_EQ(job.progressTotal, 10);
}

// A one-column strip along row 5 of a 10 by 10 area, x = -10.5 + i: shows how
// positions outside the area fold back in.
TEST(StripGeometry, FoldingMirrorsBeforeAndWrapsBeyondTheArea) {
    FakeHost host(10, 10, 1);
    host.Paint([](int16, int32 x, int32) { return uint8(x + 1); });
    WireJob job;
    job.stripWidth = 1;
    job.stripLength = 32;
    job.stepX = 1;
    job.originX = -10.5;
    job.originY = 5;
    job.areaWidth = job.areaHeight = 10;
    ASSERT_TRUE(job.strip.Resize<uint8>(1, 32));
    for (int32 i = 0; i < 32; ++i) job.strip.At<uint8>(i, 0) = 0xEE;
    SampleStrip(job, PlaneBlock<uint8>{host.input[0].data(), 10, host.output[0].data(), 10}, job.strip);
    auto cell = [&](int32 i) { return int(job.strip.At<uint8>(i, 0)); };
    EXPECT_EQ(cell(0), 0xEE);   // -10 = -E: unsampled
    EXPECT_EQ(cell(9), 1 + 1);  // -1.5 -> -1 -> 1
    EXPECT_EQ(cell(10), 0 + 1); // -0.5 truncates to 0
    EXPECT_EQ(cell(11), 0 + 1);
    EXPECT_EQ(cell(20), 9 + 1);
    EXPECT_EQ(cell(21), 0xEE);  // equal to E: not folded, unsampled
    EXPECT_EQ(cell(22), 1 + 1); // 11 -> 1
    EXPECT_EQ(cell(30), 9 + 1);
    EXPECT_EQ(cell(31), 0xEE);  // 2E
}

}  // namespace
