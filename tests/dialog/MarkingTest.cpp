// Marking a wire with several points: plain presses, Shift presses and
// Backspace, through the preview's presses and on the record directly.
#include <gtest/gtest.h>

#include <vector>

#include "DialogFixture.h"
#include "MarkingRules.h"
#include "PointMarking.h"
#include "ProxyImage.h"

namespace {

enum class Action { kPlain, kShift, kBackspace };

std::vector<WirePoint> PointsOf(const PluginData& data) {
    std::vector<WirePoint> points;
    for (int32 k = 0; k < MarkedPoints(data); ++k) points.push_back(WirePointAt(data, k));
    return points;
}

}  // namespace

// Found beside WirePoint, where the comparisons and the failure messages of
// point lists look for them.
bool operator==(const WirePoint& a, const WirePoint& b) { return a.v == b.v && a.h == b.h; }
void PrintTo(const WirePoint& p, std::ostream* out) { *out << "(" << p.v << ", " << p.h << ")"; }

TEST(PointSequence, StateAfterEachPressAndBackspace) {
    // Factor 2, the image shown at (50, 52)..(70, 67): a press at (x, y)
    // marks row (y - 52) * 2, column (x - 50) * 2.
    struct Step {
        const char* what;
        Action action;
        int32 x, y;
        bool changed;
        std::vector<WirePoint> points;
    };
    const WirePoint a{16, 10}, b{16, 30}, c{6, 20}, edge{28, 0};
    const Step steps[] = {
        {"Shift without points sets the start", Action::kShift, 55, 60, true, {a}},
        {"Shift with one point sets the end", Action::kShift, 65, 60, true, {a, b}},
        {"Shift with both ends adds a third", Action::kShift, 60, 55, true, {a, b, c}},
        {"a Shift press 11 pixels left is ignored", Action::kShift, 39, 60, false, {a, b, c}},
        {"a Shift press in the band lands on the edge", Action::kShift, 45, 66, true, {a, b, c, edge}},
        {"Backspace removes the fourth", Action::kBackspace, 0, 0, true, {a, b, c}},
        {"Backspace removes the third", Action::kBackspace, 0, 0, true, {a, b}},
        {"Shift adds a new third", Action::kShift, 70, 52, true, {a, b, {0, 38}}},
        {"Backspace removes it again", Action::kBackspace, 0, 0, true, {a, b}},
        {"Backspace removes the end", Action::kBackspace, 0, 0, true, {a}},
        {"Backspace removes the start", Action::kBackspace, 0, 0, true, {}},
        {"Backspace without points does nothing", Action::kBackspace, 0, 0, false, {}},
        {"a plain press sets the start", Action::kPlain, 55, 60, true, {a}},
        {"a plain press sets the end", Action::kPlain, 65, 60, true, {a, b}},
        {"a plain press with both ends clears", Action::kPlain, 60, 60, true, {}},
    };
    DialogHost dialog(PositionImage(40, 30, 3));
    dialog.Open(kArea, [&] {
        const PreviewPort port{kArea, 0, 0};
        for (const Step& step : steps) {
            bool changed = false;
            if (step.action == Action::kBackspace) changed = RemoveLastPoint(*gData);
            else
                changed = HandleClick(port, step.x, step.y,
                                      step.action == Action::kShift ? PressKind::kExtend : PressKind::kPlain) ==
                          PressOutcome::kMarked;
            EXPECT_EQ(changed, step.changed) << step.what;
            EXPECT_EQ(gData->pointCount, int32(step.points.size())) << step.what;
            EXPECT_EQ(PointsOf(*gData), step.points) << step.what;
        }
        ReleaseProxy();
    });
}

TEST(PointSequence, SixteenPointsAtMostAndAShiftPressBeyondIsRefused) {
    DialogHost dialog(PositionImage(40, 30, 3));
    dialog.Open(kArea, [] {
        const PreviewPort port{kArea, 0, 0};
        std::vector<WirePoint> expected;
        for (int32 k = 0; k < kMaxWirePoints; ++k) {
            ASSERT_EQ(HandleClick(port, 50 + k, 60, PressKind::kExtend), PressOutcome::kMarked) << k;
            expected.push_back({16, 2 * k});
        }
        EXPECT_EQ(HandleClick(port, 69, 66, PressKind::kExtend), PressOutcome::kRefused);
        EXPECT_EQ(HandleClick(port, 10, 10, PressKind::kExtend), PressOutcome::kIgnored);  // out of reach
        EXPECT_EQ(PointsOf(*gData), expected);
        ASSERT_TRUE(RemoveLastPoint(*gData));
        EXPECT_EQ(HandleClick(port, 69, 66, PressKind::kExtend), PressOutcome::kMarked);
        expected.back() = {28, 38};
        EXPECT_EQ(PointsOf(*gData), expected);
        ReleaseProxy();
    });
}

TEST(MarkingRules, ByPointsSetAndKindOfPress) {
    // pointCount as a kept block may hold it, the press, and what follows:
    // whether the marking changed, the count after, and whether the press's
    // point became the last one.
    struct Case {
        int32 before;
        Action action;
        bool changed;
        int32 after;
        bool stored;
    };
    const Case cases[] = {
        {0, Action::kPlain, true, 1, true},     {1, Action::kPlain, true, 2, true},
        {2, Action::kPlain, true, 0, false},    {5, Action::kPlain, true, 0, false},
        {16, Action::kPlain, true, 0, false},   {0, Action::kShift, true, 1, true},
        {1, Action::kShift, true, 2, true},     {2, Action::kShift, true, 3, true},
        {15, Action::kShift, true, 16, true},   {16, Action::kShift, false, 16, false},
        {5, Action::kBackspace, true, 4, false}, {1, Action::kBackspace, true, 0, false},
        {0, Action::kBackspace, false, 0, false},
        // Counts no marking leaves behind are read as the nearest real one.
        {-3, Action::kPlain, true, 1, true},    {40, Action::kShift, false, 40, false},
        {40, Action::kPlain, true, 0, false},   {40, Action::kBackspace, true, 15, false},
        {-3, Action::kBackspace, false, -3, false},
    };
    const WirePoint pressed{7, 9};
    for (const Case& c : cases) {
        PluginData data{};
        data.pointCount = c.before;
        bool changed = false;
        if (c.action == Action::kBackspace) changed = RemoveLastPoint(data);
        else changed = MarkPoint(data, pressed, c.action == Action::kShift ? PressKind::kExtend : PressKind::kPlain);
        const std::string what = std::to_string(c.before) + " points, action " + std::to_string(int(c.action));
        EXPECT_EQ(changed, c.changed) << what;
        EXPECT_EQ(data.pointCount, c.after) << what;
        const bool stored = c.after > 0 && WirePointAt(data, MarkedPoints(data) - 1) == pressed;
        EXPECT_EQ(stored, c.stored) << what;
    }
}
