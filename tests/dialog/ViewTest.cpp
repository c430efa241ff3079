// Placing the image in the area, the scroll bars, keeping the centre across
// zoom steps, and marking points with presses.
#include <gtest/gtest.h>

#include "DialogFixture.h"
#include "PointMarking.h"
#include "PreviewScroll.h"
#include "PreviewState.h"
#include "PreviewZoom.h"
#include "ProxyImage.h"

namespace {

const PreviewPort kUnscrolled{kArea, 0, 0};

// Screen column and row at which a full-resolution point lies.
ScreenPoint OnScreen(const PreviewPort& port, const VPoint& p) {
    const ScreenRect image = GetImageRect(port);
    return {int32_t(image.left + p.h / View().scale), int32_t(image.top + p.v / View().scale)};
}

// A press without Shift; true when it changed the marking.
bool PlainPress(const PreviewPort& port, int32_t x, int32_t y) {
    return HandleClick(port, x, y, PressKind::kPlain) == PressOutcome::kMarked;
}

}  // namespace

TEST(Placement, SmallImageIsCentredWithoutScrollBars) {
    DialogHost dialog(PositionImage(40, 30, 3));
    dialog.Open(kArea, [] {
        EXPECT_EQ(GetImageRect(kUnscrolled), (ScreenRect{50, 52, 70, 67}));
        ZoomIn();
        EXPECT_EQ(GetImageRect(kUnscrolled), (ScreenRect{40, 45, 80, 75}));
        const ScrollBarsSetup bars = SetupScrollBars(kUnscrolled);
        EXPECT_FALSE(bars.horizontal.visible || bars.vertical.visible);
        ReleaseProxy();
    });
}

TEST(Placement, LargerImageScrollsWithinATwoPixelMargin) {
    DialogHost dialog(PositionImage(300, 200, 1));
    dialog.Open(kArea, [] {
        ZoomIn();
        ZoomIn();  // factor 2: 150 x 100 in a 100 x 80 area
        const ScrollBarsSetup bars = SetupScrollBars(kUnscrolled);
        EXPECT_TRUE(bars.horizontal.visible && bars.horizontal.maximum == 154 && bars.horizontal.page == 100);
        EXPECT_TRUE(bars.vertical.visible && bars.vertical.maximum == 104 && bars.vertical.page == 80);
        EXPECT_EQ(GetImageRect({kArea, 20, 10}), (ScreenRect{-8, 12, 142, 112}));
        ReleaseProxy();
    });
}

TEST(Centre, ZoomStepKeepsThePointUnderTheCentreUnlessTheRangeStopsIt) {
    const ScreenPoint centre{60, 60};
    DialogHost dialog(PositionImage(301, 203, 1));
    dialog.Open(kArea, [&] {
        ZoomIn();
        ZoomIn();  // 2.0133: 150 x 101, scrolled both ways
        const PreviewPort before = Scrolled(kUnscrolled, 30, 12);
        const VPoint point = GetViewCentre(before);
        const ScreenPoint seen = OnScreen(before, point);  // truncated to full resolution
        EXPECT_LE(std::abs(seen.x - centre.x) + std::abs(seen.y - centre.y), 2);
        ZoomIn();
        const ScrollPositions wanted = ScrollToCentre(kUnscrolled, point);
        EXPECT_EQ(OnScreen(Scrolled(kUnscrolled, wanted.horizontal, wanted.vertical), point), centre);

        // Near the corner the positions would be negative: they stop at 0.
        const VPoint corner = GetViewCentre(kUnscrolled);
        ZoomOut();
        const ScrollPositions stopped = ScrollToCentre(kUnscrolled, corner);
        EXPECT_TRUE(stopped.horizontal == 0 && stopped.vertical == 0);
        ReleaseProxy();
    });
}

// While the image is smaller than the area it is centred, not scrolled: the
// point under the middle is the image's own centre, and a zoom step keeps it.
TEST(Centre, CentredImageKeepsItsMiddleAcrossAZoomStep) {
    DialogHost dialog(PositionImage(300, 200, 1));
    dialog.Open(kArea, [] {
        const double fitted = View().scale;  // 300 x 200 fitted into 100 x 80
        const VPoint middle = GetViewCentre(kUnscrolled);
        EXPECT_LE(std::abs(middle.h - 150) + std::abs(middle.v - 100), int(2 * fitted));
        ZoomIn();
        const ScrollPositions wanted = ScrollToCentre(kUnscrolled, middle);
        const PreviewPort after = Scrolled(kUnscrolled, wanted.horizontal, wanted.vertical);
        const ScreenPoint seen = OnScreen(after, middle);
        EXPECT_LE(std::abs(seen.x - 60) + std::abs(seen.y - 60), 1);
        ReleaseProxy();
    });
}

TEST(Click, PressesInTheBandLandOnTheEdgeAndCycleThePoints) {
    DialogHost dialog(PositionImage(40, 30, 3));  // factor 2, shown at (50, 52)..(70, 67)
    dialog.Open(kArea, [] {
        PluginData& data = *gData;
        EXPECT_FALSE(PlainPress(kUnscrolled, 39, 60));  // 11 pixels left
        EXPECT_FALSE(PlainPress(kUnscrolled, 60, 41));  // 11 pixels above
        EXPECT_TRUE(PlainPress(kUnscrolled, 45, 60));
        EXPECT_TRUE(data.pointCount == 1 && data.startH == 0 && data.startV == 16);
        EXPECT_FALSE(PlainPress(kUnscrolled, 80, 60));  // 10 pixels beyond the last column
        EXPECT_TRUE(PlainPress(kUnscrolled, 79, 76));
        EXPECT_TRUE(data.pointCount == 2 && data.endH == 38 && data.endV == 28);
        EXPECT_TRUE(PlainPress(kUnscrolled, 60, 60));
        EXPECT_TRUE(data.pointCount == 0 && data.startH == 0 && data.endH == 38);
        EXPECT_TRUE(PlainPress(kUnscrolled, 60, 60));
        EXPECT_TRUE(data.pointCount == 1 && data.startH == 20 && data.startV == 16);
        ReleaseProxy();
    });
}

TEST(Click, PointsStayInsideTheFilterRectangle) {
    // The fit leaves 2.02: at factor 1 the last pixel maps to 1020 of 1001.
    DialogHost wide(PositionImage(1001, 101, 1));
    wide.Open({0, 0, 600, 400}, [] {
        ZoomIn();
        const PreviewPort end = Scrolled({{0, 0, 600, 400}, 0, 0}, 100000, 0);
        const ScreenRect image = GetImageRect(end);
        EXPECT_TRUE(PlainPress(end, 599, 255));
        EXPECT_EQ(image.right, 597);
        EXPECT_TRUE(gData->startH == 1000 && gData->startV == 100);
        ReleaseProxy();
    });
    // A 1 x 1 image reduces to nothing at factor 2: there is nothing to press on.
    DialogHost dot(PositionImage(1, 1, 1));
    dot.Open(kArea, [] {
        EXPECT_FALSE(PlainPress(kUnscrolled, 60, 60));
        ZoomIn();
        EXPECT_TRUE(PlainPress(kUnscrolled, 60, 60));
        EXPECT_TRUE(gData->startH == 0 && gData->startV == 0);
        ReleaseProxy();
    });
}
