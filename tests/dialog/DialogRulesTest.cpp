// The dialog's rules that do not need its windows: what OK accepts, how far a
// scroll request moves, and where the about box goes.
#include <gtest/gtest.h>

#include "CenterPosition.h"
#include "DialogFixture.h"
#include "InputCheck.h"
#include "ScrollStep.h"

TEST(InputCheck, NeedsTwoToSixteenPointsThenAWidthInRange) {
    DialogHost dialog(PositionImage(20, 20, 3));
    dialog.Call([] {
        gParams->wireAreaWidth = 300;  // the wire is checked first
        for (int32 count : {-1, 0, 1, kMaxWirePoints + 1}) {
            gData->pointCount = count;
            EXPECT_EQ(CheckInput(), InputProblem::kNoWire) << count;
        }
        gParams->wireAreaWidth = 50;
        for (int32 count = 2; count <= kMaxWirePoints; ++count) {
            gData->pointCount = count;
            EXPECT_EQ(CheckInput(), InputProblem::kNone) << count;
        }
        gParams->wireAreaWidth = 300;
        gData->pointCount = 2;
        EXPECT_EQ(CheckInput(), InputProblem::kWidthOutOfRange);
        for (int32 width : {4, 201}) {
            gParams->wireAreaWidth = width;
            EXPECT_EQ(CheckInput(), InputProblem::kWidthOutOfRange) << width;
        }
        for (int32 width : {5, 200}) {
            gParams->wireAreaWidth = width;
            EXPECT_EQ(CheckInput(), InputProblem::kNone) << width;
        }
    });
}

TEST(ScrollStep, LinesPagesAndThumb) {
    EXPECT_EQ(ScrollStep(50, kScrollLineBack, 7), 49);
    EXPECT_EQ(ScrollStep(50, kScrollLineForward, 7), 51);
    EXPECT_EQ(ScrollStep(50, kScrollPageBack, 7), -50);  // the bar keeps it within its range
    EXPECT_EQ(ScrollStep(50, kScrollPageForward, 7), 150);
    EXPECT_EQ(ScrollStep(50, kScrollThumbPosition, 70000), 70000);
    EXPECT_EQ(ScrollStep(50, kScrollThumbTrack, 7), 7);
    EXPECT_EQ(ScrollStep(50, 8, 7), 50);  // end of scroll
    EXPECT_EQ(ScrollStep(INT32_MAX, kScrollPageForward, 0), INT32_MAX);
}

TEST(CenterPosition, OneThirdDownCentredLessTheCaptionAllowance) {
    CenterInput in{{100, 200, 700, 500}, 200, 90, 1280, 1024, 18, false};
    // (600 - 200) / 2 + 100 - (18 - 6); (300 - 90) / 3 + 200
    EXPECT_EQ(CenterPosition(in), (ScreenPoint{288, 270}));
    in.hasSystemMenu = true;
    EXPECT_EQ(CenterPosition(in).x, 282);
    in.owner = {40, 0, 100, 50};  // smaller than the box: its corner, less the allowance
    EXPECT_EQ(CenterPosition(in), (ScreenPoint{22, 0}));
    in.owner = {0, 0, 100, 50};  // the allowance would push it off the left edge
    EXPECT_EQ(CenterPosition(in), (ScreenPoint{0, 0}));
}

TEST(CenterPosition, NeverPastTheScreensFarEdges) {
    const CenterInput in{{1100, 950, 1500, 1300}, 200, 90, 1280, 1024, 18, false};
    EXPECT_EQ(CenterPosition(in), (ScreenPoint{1080, 934}));
    const CenterInput huge{{0, 0, 100, 100}, 2000, 1500, 1280, 1024, 18, false};
    EXPECT_EQ(CenterPosition(huge), (ScreenPoint{0, 0}));
}
