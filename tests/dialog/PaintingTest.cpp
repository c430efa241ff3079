// The geometry of a paint: bands, frame and clip, the marking, and the part
// of the reduced image handed to the host's displayPixels.
#include <gtest/gtest.h>

#include <vector>

#include "DialogFixture.h"
#include "DisplayProxy.h"
#include "MarkingGeometry.h"
#include "MarkingRules.h"
#include "PaintLayout.h"
#include "PreviewState.h"
#include "PreviewZoom.h"
#include "ProxyImage.h"

namespace {

void Mark(double scale, int32_t width, VPoint start, VPoint end) {
    View().scale = scale;
    gParams->wireAreaWidth = width;
    gData->startV = start.v;
    gData->startH = start.h;
    gData->endV = end.v;
    gData->endH = end.h;
}

// Pixels of the area that neither a band, the frame nor the image paints.
int32_t Unpainted(const ScreenRect& image, const ScreenRect& area) {
    const PaintLayout layout = LayOutPreview(image, area);
    std::vector<bool> painted(size_t(Width(area)) * size_t(Height(area)));
    auto paint = [&](const ScreenRect& r) {
        const ScreenRect c = Intersect(r, area);
        for (int32_t y = c.top; y < c.bottom; ++y)
            for (int32_t x = c.left; x < c.right; ++x) painted[size_t(y - area.top) * Width(area) + (x - area.left)] = true;
    };
    for (int32_t i = 0; i < layout.bandCount; ++i) paint(layout.bands[size_t(i)]);
    const ScreenRect& f = layout.frame;
    for (ScreenRect edge : {ScreenRect{f.left, f.top, f.right, f.top + 1}, ScreenRect{f.left, f.bottom - 1, f.right, f.bottom},
                            ScreenRect{f.left, f.top, f.left + 1, f.bottom}, ScreenRect{f.right - 1, f.top, f.right, f.bottom}})
        paint(edge);
    paint(image);
    return int32_t(std::count(painted.begin(), painted.end(), false));
}

struct Drawn {
    int calls = 0;
    PSPixelMap map{};
    PSPixelMask mask{};
    VRect source{};
    int32_t row = 0, column = 0;
    void* context = nullptr;
} drawn;

OSErr PI_CDECL CaptureDisplay(const PSPixelMap* map, const VRect* source, int32 row, int32 column, void* context) {
    drawn = {drawn.calls + 1, *map, map->masks ? *map->masks : PSPixelMask{}, *source, row, column, context};
    return noErr;
}

}  // namespace

TEST(Layout, BandsFrameAndImageRepaintTheWholeArea) {
    EXPECT_EQ(Unpainted({50, 52, 70, 67}, kArea), 0);
    EXPECT_EQ(LayOutPreview({50, 52, 70, 67}, kArea).frame, (ScreenRect{48, 50, 72, 69}));
    const PaintLayout scrolled = LayOutPreview({-8, 12, 142, 112}, kArea);
    EXPECT_EQ(scrolled.bandCount, 0);
    EXPECT_EQ(scrolled.markingClip, kArea);
    // Reaching past the area on one side and short of it on another: the
    // marking stays inside the area.
    EXPECT_EQ(Unpainted({-8, 30, 142, 60}, kArea), 0);
    EXPECT_EQ(LayOutPreview({-8, 30, 142, 60}, kArea).markingClip, (ScreenRect{10, 30, 110, 60}));
}

TEST(Marking, CircleIsAsWideAsTheAreaOnTheScreen) {
    DialogHost dialog(PositionImage(4, 4, 1));
    dialog.Call([] {
        Mark(2.0, 50, {20, 10}, {});
        EXPECT_EQ(PointMarkerBox({50, 52, 70, 67}), (ScreenRect{42, 49, 68, 75}));
        Mark(3.0, 50, {0, 30}, {});
        EXPECT_EQ(PointMarkerBox({50, 52, 70, 67}), (ScreenRect{52, 44, 68, 60}));
    });
}

TEST(Marking, OutlineRunsAlongTheSegmentAsWideAsTheArea) {
    DialogHost dialog(PositionImage(4, 4, 1));
    dialog.Call([] {
        Mark(2.0, 50, {20, 10}, {20, 110});
        EXPECT_EQ(GetWireOutline({50, 52, 0, 0}, 0),
                  (WireOutline{{{55, 74}, {55, 49}, {105, 49}, {105, 74}, {55, 74}}}));
        // A 3-4-5 slope at full size: sides along (60, 80), 10 apart.
        Mark(1.0, 10, {0, 0}, {80, 60});
        EXPECT_EQ(GetWireOutline({100, 200, 0, 0}, 0),
                  (WireOutline{{{96, 203}, {104, 197}, {164, 277}, {156, 283}, {96, 203}}}));
        // Coincident points: a bar across the point, as long as the width.
        Mark(2.0, 50, {20, 10}, {20, 10});
        EXPECT_EQ(GetWireOutline({50, 52, 0, 0}, 0),
                  (WireOutline{{{55, 74}, {55, 49}, {55, 49}, {55, 74}, {55, 74}}}));
    });
}

TEST(Marking, EachPieceHasTheOutlineItWouldHaveAlone) {
    DialogHost dialog(PositionImage(4, 4, 1));
    dialog.Call([] {
        const ScreenRect image{50, 52, 0, 0};
        const std::vector<WirePoint> sagging{{20, 10}, {60, 110}, {40, 250}, {40, 250}, {10, 300}};
        std::vector<WireOutline> alone;
        for (size_t k = 0; k + 1 < sagging.size(); ++k) {
            Mark(2.0, 50, {sagging[k].v, sagging[k].h}, {sagging[k + 1].v, sagging[k + 1].h});
            alone.push_back(GetWireOutline(image, 0));
        }
        for (size_t k = 0; k < sagging.size(); ++k) SetWirePoint(*gData, int32(k), sagging[k]);
        // Three points, then all five (two of them coincident).
        for (int32 count : {3, 5}) {
            gData->pointCount = count;
            ASSERT_EQ(WirePieces(*gData), count - 1);
            for (int32 piece = 0; piece < count - 1; ++piece)
                EXPECT_EQ(GetWireOutline(image, piece), alone[size_t(piece)]) << count << " points, piece " << piece;
        }
    });
}

TEST(DisplayProxy, HandsTheVisiblePartOfTheBufferToTheHost) {
    DialogHost dialog(PositionImage(300, 200, 3));
    dialog.Open(kArea, [] {
        ZoomIn();
        ZoomIn();  // factor 2: 150 x 100 at (-8, 12) when scrolled by (20, 10)
        const ScreenRect image{-8, 12, 142, 112};
        gFilterRecord->displayPixels = CaptureDisplay;
        gFilterRecord->imageMode = 11;  // 48-bit RGB: the buffer is described as 8-bit RGB
        int context = 0;
        DisplayProxy(&context, image, kArea);
        ASSERT_EQ(drawn.calls, 1);
        const PSPixelMap& m = drawn.map;
        EXPECT_TRUE(m.version == 1 && m.imageMode == 3 && m.rowBytes == 150 && m.colBytes == 1 && m.planeBytes == 15000);
        EXPECT_TRUE(m.bounds.top == 0 && m.bounds.left == 0 && m.bounds.bottom == 100 && m.bounds.right == 150);
        EXPECT_TRUE(m.baseAddr == View().pixels && m.masks == nullptr && drawn.context == &context);
        EXPECT_TRUE(drawn.source.top == 8 && drawn.source.left == 18 && drawn.source.bottom == 88 && drawn.source.right == 118);
        EXPECT_TRUE(drawn.row == 20 && drawn.column == 10);

        // A transparency plane is used only when the buffer holds one.
        gFilterRecord->imageMode = 3;
        gFilterRecord->inLayerPlanes = 3;
        gFilterRecord->inTransparencyMask = 1;
        DisplayProxy(&context, image, kArea);
        EXPECT_EQ(drawn.map.masks, nullptr);
        gFilterRecord->planes = 4;
        DisplayProxy(&context, image, kArea);
        EXPECT_TRUE(drawn.map.masks && drawn.mask.maskData == View().pixels + 3 * 15000 && drawn.mask.rowBytes == 150);
        gFilterRecord->planes = 3;

        ReleaseProxy();
        DisplayProxy(&context, image, kArea);
        EXPECT_EQ(drawn.calls, 3);
    });
}
