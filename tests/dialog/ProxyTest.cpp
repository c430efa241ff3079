// The fit, the zoom steps and the reduced image the host delivers for them.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <vector>

#include "DialogFixture.h"
#include "FitScale.h"
#include "PreviewState.h"
#include "PreviewZoom.h"
#include "ProxyImage.h"
#include "SampleConversion.h"

namespace {

// Sample p of the reduced image at (x, y).
uint8_t ProxyAt(int32_t p, int32_t x, int32_t y) {
    const PreviewView& view = View();
    return view.pixels[size_t(p) * size_t(view.planeSize) + size_t(y) * size_t(view.proxyWidth) + size_t(x)];
}

void ExpectReducedImage(int32_t planes) {
    const int16_t factor = SamplingFactor(View().scale);
    EXPECT_EQ(gFilterRecord->inputRate, factor << 16);
    for (int32_t p = 0; p < planes; ++p)
        for (int32_t y = 0; y < View().proxyHeight; ++y)
            for (int32_t x = 0; x < View().proxyWidth; ++x)
                ASSERT_EQ(ProxyAt(p, x, y), SampleAt(x * factor, y * factor, p)) << p << " " << x << " " << y;
}

}  // namespace

TEST(Fit, ReducedImageFitsTheAreaAtAFactorOfAtLeastTwo) {
    DialogHost dialog(PositionImage(4, 4, 1));
    struct Case {
        int32_t width, height;
        ScreenRect area;
    };
    for (const Case& c : {Case{40, 30, kArea}, Case{300, 200, kArea}, Case{200, 900, kArea}, Case{1001, 101, {0, 0, 600, 400}},
                          Case{20000, 15000, kArea}, Case{2000000, 2000000, kArea}, Case{1, 1, kArea},
                          Case{0, 0, kArea}, Case{500, 400, {0, 0, 3, 3}}}) {
        dialog.host.record().bigDocumentData->filterRect32 = {0, 0, c.height, c.width};
        dialog.Call([&] {
            SetAreaRect(c.area);
            ComputeFitScale();
            const PreviewView& view = View();
            const VRect& r = view.proxyRect;
            SCOPED_TRACE(testing::Message() << c.width << "x" << c.height << " scale " << view.scale);
            EXPECT_EQ(view.fitScale, view.scale);
            ASSERT_TRUE(std::isfinite(view.scale));
            EXPECT_GE(view.scale, c.width > 0 ? 2.0 : 1.0);
            const int16_t factor = SamplingFactor(view.scale);
            EXPECT_TRUE(r.top == 0 && r.left == 0 && r.bottom == c.height / factor && r.right == c.width / factor);
            // Inside the area less its 2-pixel margin, unless the area has no room at all.
            if (Width(c.area) > 4) {
                EXPECT_LE(r.right, Width(c.area) - 4);
                EXPECT_LE(r.bottom, Height(c.area) - 4);
            }
        });
    }
}

TEST(Zoom, StepsOfOneWithinTheFitAndBackToExactlyTheFit) {
    DialogHost dialog(PositionImage(1003, 101, 1));
    dialog.Open(kArea, [] {
        const double fit = View().fitScale;
        EXPECT_NEAR(fit, 1003.0 / 91, 1e-12);
        EXPECT_FALSE(CanZoomOut());
        EXPECT_FALSE(ZoomOut());
        int steps = 0;
        while (ZoomIn()) ++steps;
        EXPECT_EQ(steps, 10);
        EXPECT_EQ(SamplingFactor(View().scale), 1);
        EXPECT_EQ(View().proxyWidth, 1003);
        while (ZoomOut()) --steps;
        EXPECT_EQ(steps, 0);
        EXPECT_EQ(View().scale, fit);
        ReleaseProxy();
    });
}

TEST(Proxy, HoldsTheImageSampledAtTheFactorInOneBufferPerStep) {
    for (bool bigDocument : {true, false}) {
        HostOptions options;
        options.bigDocument = bigDocument;
        DialogHost dialog(PositionImage(40, 30, 3), options);
        BufferSuite& buffers = dialog.host.buffers();
        EXPECT_EQ(dialog.Open(kArea,
                              [&] {
                                  EXPECT_EQ(View().scale, 2.0);
                                  EXPECT_EQ(View().planeSize, 20 * 15);
                                  EXPECT_EQ(buffers.currentBytes(), 3 * 300);
                                  ExpectReducedImage(3);
                                  EXPECT_TRUE(ZoomIn());
                                  EXPECT_FALSE(CanZoomIn());
                                  ExpectReducedImage(3);
                                  // Each step frees the old buffer before the new one is taken.
                                  EXPECT_EQ(buffers.peakBytes(), 3 * 1200);
                                  EXPECT_TRUE(ZoomOut());
                                  EXPECT_EQ(buffers.liveCount(), 1u);
                                  ReleaseProxy();
                                  EXPECT_TRUE(View().bufferID == nullptr && View().pixels == nullptr);
                              }),
                  noErr);
        EXPECT_EQ(buffers.liveCount(), 0u);
    }
}

TEST(Proxy, SixteenBitSamplesAreShownAtEightBits) {
    HostOptions options;
    options.depth = 16;
    DialogHost dialog(PositionImage(40, 30, 3), options);
    dialog.Open(kArea, [] {
        ExpectReducedImage(3);
        ReleaseProxy();
    });
}

TEST(Proxy, HostFailuresLeaveAnEmptyPreviewAndNoBuffer) {
    HostOptions noBuffer;
    noBuffer.faults.failBufferAt = 1;
    DialogHost first(PositionImage(40, 30, 3), noBuffer);
    EXPECT_EQ(first.Open(kArea, [] {
        EXPECT_EQ(View().pixels, nullptr);
        ReleaseProxy();
    }), noErr);
    EXPECT_EQ(first.host.requests().calls(), 0);

    HostOptions failedFetch;
    failedFetch.faults.advance = {2, kIoErr};
    DialogHost second(PositionImage(40, 30, 3), failedFetch);
    EXPECT_EQ(second.Open(kArea, [] {
        EXPECT_FALSE(PreviewMayPaint());
        ReleaseProxy();
    }), kIoErr);
    EXPECT_EQ(second.host.buffers().liveCount(), 0u);

    // A preview beyond what one buffer can hold is not asked for at all.
    DialogHost huge(PositionImage(4, 4, 3));
    huge.host.record().bigDocumentData->filterRect32 = {0, 0, 2000000, 2000000};
    EXPECT_EQ(huge.Open({0, 0, 4000000, 4000000}, [] { EXPECT_EQ(View().pixels, nullptr); }), noErr);
    EXPECT_EQ(huge.host.buffers().allocations(), 0);
}

TEST(Conversion, DeepSamplesMapOntoEightBitsClamped) {
    const uint16_t deep[] = {32768, 128, 0, 16448, 65535};
    const float real[] = {1.5f, -0.2f, 0.5f, 1.0f, NAN};
    uint8_t bytes[1 + sizeof real];  // read from an odd address
    uint8_t out[5];
    std::memcpy(bytes + 1, deep, sizeof deep);
    ConvertSamples(bytes + 1, 16, 5, out);
    EXPECT_EQ(std::vector<uint8_t>(out, out + 5), (std::vector<uint8_t>{255, 0, 0, 128, 255}));
    std::memcpy(bytes + 1, real, sizeof real);
    ConvertSamples(bytes + 1, 32, 5, out);
    EXPECT_EQ(std::vector<uint8_t>(out, out + 5), (std::vector<uint8_t>{255, 0, 127, 255, 0}));
    ConvertSamples(bytes + 1, 8, 5, out);
    EXPECT_EQ(0, std::memcmp(out, bytes + 1, 5));
}
