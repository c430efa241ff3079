#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <tuple>
#include <utility>
#include <vector>

#include "QuadWalker.h"

namespace {

using Pixels = std::vector<std::pair<int32, int32>>;

Pixels Walk(QuadWalker& walker) {
    Pixels pixels;
    for (int32 x, y; walker.Next(x, y);) pixels.push_back({x, y});
    return pixels;
}

// Rows with their first and last x, checking each row is one ascending span.
std::map<int32, std::pair<int32, int32>> Spans(const Pixels& pixels) {
    std::map<int32, std::pair<int32, int32>> spans;
    for (const auto& [x, y] : pixels) {
        auto [it, fresh] = spans.try_emplace(y, x, x);
        if (!fresh) {
            EXPECT_EQ(x, it->second.second + 1) << "row " << y;
            it->second.second = x;
        }
    }
    return spans;
}

// The wire rectangles of width 6: corners C0, C3, C2, C1.
TEST(QuadWalker, CoversHorizontalAndVerticalRectangles) {
    const ImagePoint horizontal[4] = {{10, 23}, {10, 17}, {20, 17}, {20, 23}};  // (10,20)-(20,20)
    QuadWalker h(horizontal, 1000, 1000);
    const Pixels hp = Walk(h);
    EXPECT_EQ(hp.size(), 66u);
    const auto hs = Spans(hp);
    ASSERT_EQ(hs.size(), 6u);
    EXPECT_EQ(hs.begin()->first, 17);
    for (const auto& [y, span] : hs) EXPECT_EQ(span, std::make_pair(10, 20)) << y;

    const ImagePoint vertical[4] = {{7, 20}, {13, 20}, {13, 30}, {7, 30}};  // (10,20)-(10,30)
    QuadWalker v(vertical, 1000, 1000);
    const Pixels vp = Walk(v);
    EXPECT_EQ(vp.size(), 70u);
    const auto vs = Spans(vp);
    ASSERT_EQ(vs.size(), 10u);
    EXPECT_EQ(vs.begin()->first, 20);
    for (const auto& [y, span] : vs) EXPECT_EQ(span, std::make_pair(7, 13)) << y;

    v.Restart();
    EXPECT_EQ(Walk(v), vp);
}

// Clipping keeps exactly the unclipped walk's pixels inside the clip, in order,
// and the bounds are those of the clipped walk.
TEST(QuadWalker, ClipKeepsTheWalkInsideTheArea) {
    // Edge slopes 2 and -1/2 and quarter-pixel corners keep the shifted copy's
    // arithmetic exact, so it walks the same pixels moved by 100.
    const ImagePoint tilted[4] = {{-8.25, -4.5}, {31.75, 15.5}, {19.75, 39.5}, {-20.25, 19.5}};
    ImagePoint offset[4];
    for (int i = 0; i < 4; ++i) offset[i] = {tilted[i].x + 100, tilted[i].y + 100};
    QuadWalker whole(offset, 1000, 1000);
    Pixels expected;
    for (const auto& [x, y] : Walk(whole))
        if (x - 100 < 30 && y - 100 < 35 && x >= 100 && y >= 100) expected.push_back({x - 100, y - 100});

    QuadWalker clipped(tilted, 30, 35);
    const PixelBox box = clipped.Bounds();
    const Pixels pixels = Walk(clipped);
    EXPECT_EQ(pixels, expected);
    ASSERT_FALSE(pixels.empty());
    int32 left = 30, top = 35, right = 0, bottom = 0;
    for (const auto& [x, y] : pixels) {
        left = std::min(left, x), top = std::min(top, y);
        right = std::max(right, x + 1), bottom = std::max(bottom, y + 1);
    }
    EXPECT_EQ(std::make_tuple(box.left, box.top, box.right, box.bottom), std::make_tuple(left, top, right, bottom));
}

}  // namespace
