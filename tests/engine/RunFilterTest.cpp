#include <gtest/gtest.h>

#include <cstdlib>
#include <numeric>
#include <set>
#include <utility>

#include "EngineFixture.h"
#include "QuadWalker.h"
#include "StripGeometry.h"

namespace {

std::vector<int32> Steps(int32 count) {
    std::vector<int32> steps(count);
    std::iota(steps.begin(), steps.end(), 1);
    return steps;
}

TEST(RunFilter, ReportsFiveStepsForTheTraceAndForEachPlane) {
    for (int16 planes : {0, 1, 3}) {
        WiredImage image(planes == 0 ? 1 : planes);  // the trace still reads plane 0
        image.host.record.planes = planes;
        EXPECT_EQ(image.host.Run(), noErr);
        EXPECT_EQ(image.host.steps, Steps(5 * (planes + 1)));
        EXPECT_EQ(image.host.stepTotal, 5 * (planes + 1));
        // Tracing's temporaries are gone once planes are repaired: only the
        // strip, mask and run extents stay until the write-back's maps come.
        if (planes > 0) {
            EXPECT_EQ(image.host.liveAtStep[5], 4);
        }
        EXPECT_EQ(image.Unchanged(), planes == 0);
    }
}

TEST(RunFilter, NoCompleteWireDoesNothing) {
    WiredImage image(1);
    image.host.data.pointCount = 1;
    EXPECT_EQ(image.host.Run(), 2);
    image.host.MarkWire(40, 40, 41, 40, 50);  // 1 pixel apart
    EXPECT_EQ(image.host.Run(), 2);
    image.host.MarkWire(40, 40, 40, 40, 50);
    EXPECT_EQ(image.host.Run(), 2);
    EXPECT_EQ(image.host.advanceCalls, 0);
    EXPECT_TRUE(image.host.steps.empty());
}

TEST(RunFilter, TwoRowStripChangesNothing) {
    WiredImage image(1);
    image.host.MarkWire(40, 40, 42, 40, 20);
    EXPECT_EQ(image.host.Run(), noErr);
    EXPECT_EQ(image.host.steps.size(), 10u);
    EXPECT_TRUE(image.Unchanged());
}

TEST(RunFilter, WidthOutsideTheDialogsRangeIsRejectedFirst) {
    for (int32 width : {-3, 4, 201, 100000}) {
        WiredImage image(3);
        image.host.params.wireAreaWidth = width;
        EXPECT_EQ(image.host.Run(), paramErr) << width;
        EXPECT_EQ(image.host.advanceCalls, 0);
        EXPECT_EQ(image.host.allocations, 0);
        EXPECT_TRUE(image.host.steps.empty());
    }
}

// A mode the filter is not offered for is refused before anything is asked;
// a depth that does not match the mode once the host delivers it.
TEST(RunFilter, ModesAndDepthsNotOfferedAreRefusedBeforeWriting) {
    struct Case {
        int16 mode;
        int32 depth;  // as advanceState reports it
        int advanceCalls;
    };
    const Case cases[] = {
        {plugInModeBitmap, 8, 0},     {plugInModeIndexedColor, 8, 0}, {plugInModeHSLColor, 8, 0},
        {plugInModeHSBColor, 8, 0},   {plugInModeMultichannel, 8, 0}, {plugInModeDuotone, 8, 0},
        {plugInModeDeepMultichannel, 16, 0}, {plugInModeDuotone16, 16, 0}, {plugInModeRGB96, 32, 0},
        {plugInModeGray32, 32, 0},    {-1, 8, 0},                     {18, 8, 0},
        {plugInModeRGBColor, 16, 1},  {plugInModeRGBColor, 32, 1},    {plugInModeRGB48, 8, 1},
    };
    for (const Case& c : cases) {
        WiredImage image(3);
        image.host.record.imageMode = c.mode;
        image.host.depth = c.depth;
        EXPECT_EQ(image.host.Run(), paramErr) << c.mode << " at " << c.depth;
        EXPECT_EQ(image.host.advanceCalls, c.advanceCalls) << c.mode;
        EXPECT_TRUE(image.Unchanged()) << c.mode;
        EXPECT_TRUE(image.host.steps.empty()) << c.mode;
    }
}

TEST(RunFilter, HostErrorIsPassedOnAndStopsTheRun) {
    for (int call : {1, 3}) {  // tracing's request; plane 1's request
        WiredImage image(3);
        image.host.failAdvanceAt = call;
        image.host.advanceError = -1234;
        EXPECT_EQ(image.host.Run(), -1234);
        EXPECT_EQ(image.host.advanceCalls, call);
        EXPECT_EQ(image.host.steps.size(), call == 1 ? 0u : 10u);
        EXPECT_EQ(image.host.output[1], image.host.input[1]);
        EXPECT_EQ(image.host.output[2], image.host.input[2]);
    }
}

TEST(RunFilter, CancelDuringTracingWritesNothing) {
    for (int step = 1; step <= 5; ++step) {
        WiredImage image(3);
        image.host.cancelAtStep = step;
        EXPECT_EQ(image.host.Run(), userCanceledErr);
        EXPECT_EQ(image.host.steps, Steps(step));
        EXPECT_TRUE(image.Unchanged());
    }
}

TEST(RunFilter, CancelInALaterPlaneKeepsTheRepairedPlanes) {
    WiredImage full(3);
    ASSERT_EQ(full.host.Run(), noErr);
    for (int step = 16; step <= 19; ++step) {
        WiredImage image(3);
        image.host.cancelAtStep = step;
        EXPECT_EQ(image.host.Run(), userCanceledErr);
        EXPECT_EQ(image.host.steps, Steps(step));
        EXPECT_EQ(image.host.output[0], full.host.output[0]);
        EXPECT_EQ(image.host.output[1], full.host.output[1]);
    }
}

TEST(RunFilter, BufferTheHostCannotSupplyStopsWithMemFull) {
    int allocations;
    {
        WiredImage image(3);
        ASSERT_EQ(image.host.Run(), noErr);
        allocations = image.host.allocations;
    }
    for (int k = 1; k <= allocations; ++k) {
        WiredImage image(3);
        image.host.failAllocation = k;
        EXPECT_EQ(image.host.Run(), memFullErr) << k;
        EXPECT_EQ(image.host.allocations, k) << "allocated after the failure";
        EXPECT_EQ(image.host.liveBuffers, 0) << k;
    }
    WiredImage image(3);
    image.host.failLock = true;
    EXPECT_EQ(image.host.Run(), memFullErr);
    EXPECT_TRUE(image.Unchanged());
}

// Points far outside any image: the strip cannot be had, nothing is touched.
TEST(RunFilter, WildPointsFailCleanly) {
    WiredImage image(1);
    image.host.MarkWire(INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX, 50);
    EXPECT_EQ(image.host.Run(), memFullErr);
    EXPECT_TRUE(image.Unchanged());
}

TEST(RunFilter, ChangesOnlyTheWireRectangle) {
    for (int32 depth : {8, 16}) {
        WiredImage image(3, depth);
        ASSERT_EQ(image.host.Run(), noErr);
        WireJob job;
        image.host.Setup(job);
        ImagePoint corners[4];
        WireRectangle(job, corners);
        QuadWalker walker(corners, WiredImage::kWidth, WiredImage::kHeight);
        std::set<std::pair<int32, int32>> rectangle;
        for (int32 x, y; walker.Next(x, y);) rectangle.insert({x, y});
        const FakeHost& host = image.host;
        for (int16 p = 0; p < 3; ++p)
            for (int32 y = 0; y < WiredImage::kHeight; ++y)
                for (int32 x = 0; x < WiredImage::kWidth; ++x)
                    if (!rectangle.count({x, y})) {
                        ASSERT_EQ(host.Sample(host.output[p], x, y), host.Sample(host.input[p], x, y))
                            << x << "," << y << " at " << depth << " bits";
                    }
    }
}

TEST(RunFilter, UniformImageStaysUniform) {
    FakeHost host(60, 50, 1);
    host.Paint([](int16, int32, int32) { return uint8(137); });
    host.MarkWire(5, 7, 52, 44, 30);
    EXPECT_EQ(host.Run(), noErr);
    EXPECT_EQ(host.output, host.input);
}

TEST(RunFilter, RemovesADarkWire) {
    WiredImage image(3);
    ASSERT_EQ(image.host.Run(), noErr);
    for (int16 p = 0; p < 3; ++p) {
        double before = 0, after = 0;
        for (int32 y = 0; y < WiredImage::kHeight; ++y)
            for (int32 x = 0; x < WiredImage::kWidth; ++x) {
                if (!WiredImage::OnWire(x, y, 3, 0.02)) continue;
                const size_t i = size_t(y) * WiredImage::kWidth + x;
                before += std::abs(image.host.input[p][i] - WireTexture(p, x, y));
                after += std::abs(image.host.output[p][i] - WireTexture(p, x, y));
            }
        EXPECT_LT(after, before * 0.2) << "plane " << p;
    }
}

// The write-back's maps cover the wire rectangle, not the image.
TEST(RunFilter, MemoryFollowsTheWireNotTheImage) {
    FakeHost host(700, 600, 1);
    host.Paint([](int16, int32 x, int32 y) { return WireTexture(0, x, y); });
    host.MarkWire(300, 280, 330, 310, 20);
    EXPECT_EQ(host.Run(), noErr);
    EXPECT_LT(host.largestBuffer, 40000);
}

}  // namespace
