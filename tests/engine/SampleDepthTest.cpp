// The same method at 16 bits: the wire found where the 8-bit image shows it,
// the result within rounding of the 8-bit run, and fills that keep the
// precision of 16-bit samples.
#include <gtest/gtest.h>

#include <cstdlib>
#include <set>

#include "EngineFixture.h"
#include "FillRows.h"
#include "Numeric.h"
#include "TraceWire.h"

namespace {

struct Trace {
    std::vector<uint8> mask;
    std::vector<int32> runStart, runEnd;
    int32 thickness;
};

template <typename Sample>
Trace TraceOf(FakeHost& host, const PlaneSet& planes) {
    host.Activate();
    WireJob job;
    host.Setup(job);
    EXPECT_TRUE(TraceWire<Sample>(job, planes));
    const uint8* mask = job.mask.buffer.Items<uint8>();
    const int32* start = job.runStart.Items<int32>();
    const int32* end = job.runEnd.Items<int32>();
    return {{mask, mask + job.mask.buffer.count},
            {start, start + job.stripLength},
            {end, end + job.stripLength},
            job.wireThickness};
}

TEST(SixteenBits, TracesTheWireWhereTheEightBitImageShowsIt) {
    WiredImage narrow(1), deep(1, 16);
    const Trace eight = TraceOf<uint8>(narrow.host, kGreyPlanes);
    const Trace sixteen = TraceOf<uint16>(deep.host, {2, 1, false});
    EXPECT_EQ(sixteen.mask, eight.mask);
    EXPECT_EQ(sixteen.runStart, eight.runStart);
    EXPECT_EQ(sixteen.runEnd, eight.runEnd);
    EXPECT_EQ(sixteen.thickness, eight.thickness);
    EXPECT_EQ(deep.host.liveBuffers, 0) << "the 8-bit strip of the trace is kept";
}

// Converted back, the 16-bit run lies within 2 levels of the 8-bit one on at
// least 99 % of the pixels the 8-bit run changed, and changes nothing else
// that the 8-bit run did not come near.
TEST(SixteenBits, GivesTheEightBitResultWithinRounding) {
    WiredImage narrow(3);
    ASSERT_EQ(narrow.host.Run(), noErr);
    WiredImage deep(3, 16);
    ASSERT_EQ(deep.host.Run(), noErr);
    EXPECT_EQ(deep.host.steps, narrow.host.steps);
    int32 changed = 0, close = 0;
    for (int16 p = 0; p < 3; ++p)
        for (int32 y = 0; y < WiredImage::kHeight; ++y)
            for (int32 x = 0; x < WiredImage::kWidth; ++x) {
                const int32 eight = int32(narrow.host.Sample(narrow.host.output[p], x, y));
                if (eight == int32(narrow.host.Sample(narrow.host.input[p], x, y))) continue;
                ++changed;
                const uint8 sixteen = ToByte(uint16(deep.host.Sample(deep.host.output[p], x, y)));
                close += std::abs(sixteen - eight) <= 2;
            }
    ASSERT_GT(changed, 500);
    EXPECT_GE(close, changed * 99 / 100) << close << " of " << changed;
}

// A smooth 16-bit ramp across a dark wire: the fill takes more distinct levels
// than the 8-bit levels its range spans could give.
TEST(SixteenBits, FillKeepsTheRampsPrecision) {
    FakeHost host(120, 60, 1, 16);
    host.PaintSamples([](int16, int32 x, int32) { return uint16(std::abs(x - 60) < 2 ? 2000 : 12000 + 9 * x); });
    host.MarkWire(60, 4, 60, 56, 20);
    ASSERT_EQ(host.Run(), noErr);
    std::set<uint32> levels;
    uint32 low = UINT32_MAX, high = 0;
    for (int32 y = 0; y < host.height; ++y)
        for (int32 x = 0; x < host.width; ++x) {
            const uint32 v = host.Sample(host.output[0], x, y);
            if (v == host.Sample(host.input[0], x, y)) continue;
            levels.insert(v);
            low = std::min(low, v);
            high = std::max(high, v);
        }
    ASSERT_FALSE(levels.empty());
    EXPECT_GT(low, 11000u) << "the wire is left";
    const size_t eightBitLevels = size_t(ToByte(uint16(high)) - ToByte(uint16(low)) + 1);
    EXPECT_GT(levels.size(), 2 * eightBitLevels);
}

// One table for both sample types: clamps and levels come from the range.
template <typename Sample>
void ExpectFillRange() {
    constexpr int32 top = SampleRange<Sample>::kMax, step = top / 3;
    // Steep slopes toward the run push the cubic beyond either end.
    std::vector<Sample> peak = {0, Sample(step), Sample(2 * step), Sample(top), 0, 0, 0, 0, 0, 0,
                                Sample(top), Sample(2 * step), Sample(step), 0};
    FillRow(peak.data(), int32(peak.size()), 4, 9);
    for (int32 x = 4; x <= 9; ++x) EXPECT_EQ(int32(peak[x]), top) << x;
    std::vector<Sample> dip = {Sample(top), Sample(2 * step), Sample(step), 0, Sample(top), Sample(top),
                               Sample(top), Sample(top), Sample(top), Sample(top), 0, Sample(step),
                               Sample(2 * step), Sample(top)};
    FillRow(dip.data(), int32(dip.size()), 4, 9);
    for (int32 x = 4; x <= 9; ++x) EXPECT_EQ(int32(dip[x]), 0) << x;
    // A flat surrounding gives its value, the top of the range too.
    for (const int32 v : {0, 1, top / 2, top - 1, top}) {
        std::vector<Sample> row(20, Sample(v));
        for (int32 x = 4; x < 16; ++x) row[x] = Sample(top - v);
        FillRow(row.data(), 20, 4, 15);
        EXPECT_EQ(row, std::vector<Sample>(20, Sample(v))) << v;
    }
}

TEST(SixteenBits, FillClampsToTheSamplesRange) {
    ExpectFillRange<uint8>();
    ExpectFillRange<uint16>();
}

TEST(SixteenBits, LevelsConvertToEightBitsRounded) {
    const std::pair<uint16, uint8> cases[] = {{0, 0},     {64, 0},     {65, 1},      {128, 1},    {129, 1},
                                              {16384, 128}, {32639, 254}, {32704, 255}, {32768, 255}, {65535, 255}};
    for (const auto& [level, byte] : cases) EXPECT_EQ(ToByte(level), byte) << level;
    for (int32 v = 0; v <= 255; ++v) EXPECT_EQ(ToByte(uint16((v * 32768 + 127) / 255)), v) << "8 -> 16 -> 8";
}

}  // namespace
