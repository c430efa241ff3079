// advanceState: rectangles, planes, sampling, padding, depth, output and
// error injection, checked against the pattern image sample by sample.
#include <gtest/gtest.h>

#include <cstring>

#include "HostConstants.h"
#include "TestSupport.h"

namespace {

constexpr int32_t kW = 20, kH = 12;

Rect16 R16(int16 t, int16 l, int16 b, int16 r) { return {t, l, b, r}; }

void AskInput(FilterRecord& rec, Rect16 r, int16 lo, int16 hi) {
    rec.inRect = r;
    rec.inLoPlane = lo;
    rec.inHiPlane = hi;
}

uint8_t In(const FilterRecord& rec, int32_t x, int32_t y, int32_t plane = 0) {
    return static_cast<const uint8_t*>(rec.inData)[y * rec.inRowBytes + x * rec.inColumnBytes + plane];
}

TEST(AdvanceState, SinglePlaneMapsBlockOriginToTheRectangleCorner) {
    Host host(PatternImage(kW, kH, 3));
    FilterRecord& rec = host.record();
    AskInput(rec, R16(2, 3, 7, 11), 1, 1);
    ASSERT_EQ(host.requests().advance(), noErr);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 8; ++x) ASSERT_EQ(In(rec, x, y), PatternValue(3 + x, 2 + y, 1));
    void* out = rec.outData;  // a copy: the record's fields are packed
    EXPECT_EQ(out, nullptr) << "an empty output rectangle gives no data";
    EXPECT_EQ(rec.depth, 8);
}

TEST(AdvanceState, UsesThe32BitRectanglesOnlyWhenThePluginAsksForThem) {
    Host host(PatternImage(kW, kH, 1));
    FilterRecord& rec = host.record();
    ASSERT_NE(rec.bigDocumentData, nullptr);
    AskInput(rec, R16(0, 0, 1, 1), 0, 0);
    rec.bigDocumentData->inRect32 = {4, 5, 6, 9};
    ASSERT_EQ(host.requests().advance(), noErr);
    EXPECT_EQ(In(rec, 0, 0), PatternValue(0, 0, 0));
    rec.bigDocumentData->PluginUsing32BitCoordinates = 1;
    ASSERT_EQ(host.requests().advance(), noErr);
    EXPECT_EQ(In(rec, 0, 0), PatternValue(5, 4, 0));
    EXPECT_EQ(In(rec, 3, 1), PatternValue(8, 5, 0));
    EXPECT_EQ(rec.bigDocumentData->filterRect32.right, kW);
}

TEST(AdvanceState, PlaneRangesAreInterleaved) {
    Host host(PatternImage(kW, kH, 3));
    FilterRecord& rec = host.record();
    AskInput(rec, R16(1, 1, 4, 6), 1, 2);
    ASSERT_EQ(host.requests().advance(), noErr);
    EXPECT_EQ(rec.inColumnBytes, 2);
    EXPECT_EQ(rec.inRowBytes, 10);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x)
            for (int p = 0; p < 2; ++p) ASSERT_EQ(In(rec, x, y, p), PatternValue(1 + x, 1 + y, 1 + p));
    for (auto [lo, hi] : {std::pair{0, 3}, std::pair{2, 1}, std::pair{-1, 0}}) {
        AskInput(rec, R16(0, 0, 2, 2), int16(lo), int16(hi));
        EXPECT_EQ(host.requests().advance(), paramErr) << lo << ".." << hi;
    }
}

TEST(AdvanceState, IntegralRateSamplesTheScaledBackPixel) {
    Host host(PatternImage(kW, kH, 1));
    FilterRecord& rec = host.record();
    rec.inputRate = 3 * kFixedOne;
    AskInput(rec, R16(1, 2, 4, 6), 0, 0);  // reduced coordinates
    ASSERT_EQ(host.requests().advance(), noErr);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 4; ++x) ASSERT_EQ(In(rec, x, y), PatternValue((2 + x) * 3, (1 + y) * 3, 0));
    rec.inputRate = kFixedOne + kFixedOne / 2;
    EXPECT_EQ(host.requests().advance(), paramErr);
    rec.inputRate = 0;
    EXPECT_EQ(host.requests().advance(), paramErr);
}

TEST(AdvanceState, PaddingFillsWhatLiesOutsideTheImage) {
    Host host(PatternImage(kW, kH, 1));
    FilterRecord& rec = host.record();
    AskInput(rec, R16(-1, kW - 2, 2, kW + 1), 0, 0);  // 3 x 3 over the top-right corner
    EXPECT_EQ(host.requests().advance(), paramErr) << "error on bounds is the default";

    rec.inputPadding = 200;
    ASSERT_EQ(host.requests().advance(), noErr);
    EXPECT_EQ(In(rec, 0, 0), 200);
    EXPECT_EQ(In(rec, 2, 1), 200);
    EXPECT_EQ(In(rec, 1, 1), PatternValue(kW - 1, 0, 0));

    rec.inputPadding = kPadEdgeReplication;
    ASSERT_EQ(host.requests().advance(), noErr);
    EXPECT_EQ(In(rec, 0, 0), PatternValue(kW - 2, 0, 0));
    EXPECT_EQ(In(rec, 2, 2), PatternValue(kW - 1, 1, 0));

    rec.inputPadding = kPadNone;
    ASSERT_EQ(host.requests().advance(), noErr);
    EXPECT_EQ(In(rec, 2, 0), 0);

    rec.inputPadding = 256;
    EXPECT_EQ(host.requests().advance(), paramErr);
}

TEST(AdvanceState, RateAndPaddingTogetherPadPastTheScaledEdge) {
    Host host(PatternImage(kW, kH, 1));
    FilterRecord& rec = host.record();
    rec.inputRate = 2 * kFixedOne;
    rec.inputPadding = 255;
    AskInput(rec, R16(0, 8, 2, 11), 0, 0);  // source columns 16, 18, 20: the last is outside
    ASSERT_EQ(host.requests().advance(), noErr);
    EXPECT_EQ(In(rec, 1, 1), PatternValue(18, 2, 0));
    EXPECT_EQ(In(rec, 2, 1), 255);
}

TEST(AdvanceState, Depth16DeliversTwoByteSamples) {
    HostOptions options;
    options.depth = 16;
    Host host(PatternImage(kW, kH, 3), options);
    FilterRecord& rec = host.record();
    EXPECT_EQ(rec.imageMode, plugInModeRGB48);
    AskInput(rec, R16(0, 0, 2, 3), 2, 2);
    ASSERT_EQ(host.requests().advance(), noErr);
    EXPECT_EQ(rec.depth, 16);
    EXPECT_EQ(rec.inRowBytes, 2 * kW);
    uint16_t sample = 0;
    std::memcpy(&sample, static_cast<uint8_t*>(rec.inData) + rec.inRowBytes + 2 * 2, 2);
    EXPECT_EQ(sample, To16(PatternValue(2, 1, 2)));
    EXPECT_EQ(host.output().pixels, PatternImage(kW, kH, 3).pixels) << "8 -> 16 -> 8 bits is lossless";
}

TEST(AdvanceState, SixteenBitRangeEndsAt32768) {
    EXPECT_EQ(To16(0), 0);
    EXPECT_EQ(To16(255), 32768);
    for (int v = 0; v < 256; ++v) ASSERT_EQ(To8(To16(uint8_t(v))), v);
    EXPECT_EQ(To8(65535), 255);
}

TEST(AdvanceState, OutputWritesReachTheOutputImageButNotTheInput) {
    Host host(PatternImage(kW, kH, 3));
    FilterRecord& rec = host.record();
    rec.outRect = R16(2, 2, 4, 5);
    rec.outLoPlane = rec.outHiPlane = 1;
    ASSERT_EQ(host.requests().advance(), noErr);
    auto* out = static_cast<uint8_t*>(rec.outData);
    EXPECT_EQ(out[0], PatternValue(2, 2, 1)) << "output starts as the input";
    out[rec.outRowBytes + 2] = 9;
    rec.outLoPlane = 0, rec.outHiPlane = 2;  // a block of three planes, written back later
    ASSERT_EQ(host.requests().advance(), noErr);
    out = static_cast<uint8_t*>(rec.outData);
    EXPECT_EQ(rec.outColumnBytes, 3);
    out[0] = 1, out[1] = 2, out[2] = 3;
    rec.outRect = R16(0, 0, 0, 0);
    ASSERT_EQ(host.requests().advance(), noErr);
    out = static_cast<uint8_t*>(rec.outData);
    EXPECT_EQ(out, nullptr);
    Image result = host.output();
    EXPECT_EQ(result.at(4, 3, 1), 9);
    EXPECT_EQ(result.at(2, 2, 0), 1);
    EXPECT_EQ(result.at(2, 2, 2), 3);
    EXPECT_EQ(result.at(3, 2, 0), PatternValue(3, 2, 0));
    AskInput(rec, R16(3, 4, 4, 5), 1, 1);
    ASSERT_EQ(host.requests().advance(), noErr);
    EXPECT_EQ(In(rec, 0, 0), PatternValue(4, 3, 1)) << "the input image is not written";
}

TEST(AdvanceState, RefusesOutputOutsideTheImageAndOversizedBlocks) {
    Host host(PatternImage(kW, kH, 1));
    FilterRecord& rec = host.record();
    rec.outRect = R16(0, 0, 2, kW + 1);
    EXPECT_EQ(host.requests().advance(), paramErr);
    rec.outRect = R16(0, 0, 0, 0);
    rec.bigDocumentData->PluginUsing32BitCoordinates = 1;
    rec.bigDocumentData->inRect32 = {INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX};
    rec.inputPadding = 0;
    EXPECT_EQ(host.requests().advance(), memFullErr);
}

TEST(AdvanceState, InjectedErrorComesFromTheChosenCallOnly) {
    HostOptions options;
    options.faults.advance = {2, -4242};
    Host host(PatternImage(kW, kH, 1), options);
    AskInput(host.record(), R16(0, 0, 1, 1), 0, 0);
    OSErr codes[3];
    void* data[3];
    InsidePluginCall(host, [&](FilterRecord& rec) {
        for (int i = 0; i < 3; ++i) codes[i] = rec.advanceState(), data[i] = rec.inData;
    });
    EXPECT_EQ(codes[0], noErr);
    EXPECT_EQ(codes[1], -4242);
    EXPECT_EQ(data[1], nullptr) << "a failed request leaves no stale block";
    EXPECT_EQ(codes[2], noErr);
    EXPECT_NE(data[2], nullptr);
}

}  // namespace
