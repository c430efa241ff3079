// Whole runs through the host that stop early: bad widths, host errors,
// cancels, missing memory, no wire. Whatever stops a run, no host buffer is
// left, and what was not reached is not written.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "HostFixture.h"

namespace {

Outcome RepeatRun(Host& host, int32_t width = kWireWidth, const WirePoints& points = kWire) {
    SetRepeatState(host, width, points);
    return host.run(PluginMain);
}

// The RGB image as an uninterrupted run leaves it.
const Image& Repaired() {
    static const Image output = [] {
        Host host(WiredImage(3));
        EXPECT_TRUE(RepeatRun(host).ok());
        return host.output();
    }();
    return output;
}

// Planes before `repaired` as in a whole run, `partial` not looked at, the
// rest as delivered.
void ExpectPlanes(const Image& output, int32_t repaired, int32_t partial = -1) {
    const Image input = WiredImage(3);
    for (int32_t c = 0; c < 3; ++c) {
        if (c == partial) continue;
        const Image& expected = c < repaired ? Repaired() : input;
        EXPECT_TRUE(SamePlane(output, expected, c)) << "plane " << c;
    }
}

void ExpectStoppedAt(const Outcome& outcome, int16_t code, Host& host) {
    EXPECT_EQ(outcome.selector, filterSelectorStart);
    EXPECT_EQ(outcome.code, code);
    EXPECT_EQ(host.buffers().liveCount(), 0u) << "a host buffer is still held";
}

TEST(WholeRun, RepairsEveryPlane) {
    const Image input = WiredImage(3);
    for (int32_t c = 0; c < 3; ++c) EXPECT_FALSE(SamePlane(Repaired(), input, c)) << "plane " << c;
}

struct WidthCase {
    int32_t width;
    int16_t result;
};

class ScriptedWidth : public ::testing::TestWithParam<WidthCase> {};

TEST_P(ScriptedWidth, OutsideTheDialogsRangeIsRefused) {
    Host host(WiredImage(3));
    host.setScript(WidthScript(GetParam().width), plugInDialogDontDisplay);
    const Outcome outcome = RepeatRun(host);
    EXPECT_EQ(outcome.code, GetParam().result);
    if (GetParam().result == noErr) return;
    ExpectStoppedAt(outcome, paramErr, host);
    EXPECT_TRUE(host.progress().log().empty());
    EXPECT_TRUE(SameImage(host.output(), WiredImage(3)));
}

INSTANTIATE_TEST_SUITE_P(Widths, ScriptedWidth,
                         ::testing::Values(WidthCase{5, noErr}, WidthCase{200, noErr}, WidthCase{4, paramErr},
                                           WidthCase{201, paramErr}, WidthCase{0, paramErr},
                                           WidthCase{-24, paramErr}, WidthCase{INT32_MAX, paramErr},
                                           WidthCase{INT32_MIN, paramErr}));

struct AdvanceCase {
    int32_t at;  // the tracing asks first, then one request per plane
    OSErr code;
};

class AdvanceStateError : public ::testing::TestWithParam<AdvanceCase> {};

TEST_P(AdvanceStateError, IsPassedOnAndStopsTheRun) {
    HostOptions options;
    options.faults.advance = {GetParam().at, GetParam().code};
    Host host(WiredImage(3), options);
    ExpectStoppedAt(RepeatRun(host), GetParam().code, host);
    EXPECT_EQ(host.requests().calls(), GetParam().at);
    ExpectPlanes(host.output(), std::max(GetParam().at - 2, 0));
}

INSTANTIATE_TEST_SUITE_P(TraceOrPlane, AdvanceStateError,
                         ::testing::Values(AdvanceCase{1, -36}, AdvanceCase{2, -1}, AdvanceCase{3, 17},
                                           AdvanceCase{4, memFullErr}));

// Steps 1..5 trace the wire; then per plane: sample, fill, and three
// write-back steps. The host answers "cancel" from the given step on.
class CancelAtStep : public ::testing::TestWithParam<int32_t> {};

TEST_P(CancelAtStep, StopsAndKeepsThePlanesAlreadyWritten) {
    const int32_t step = GetParam();
    HostOptions options;
    options.faults.cancelAt = step;
    Host host(WiredImage(3), options);
    ExpectStoppedAt(RepeatRun(host), userCanceledErr, host);
    EXPECT_EQ(host.progress().log().size(), size_t(step)) << "steps after the cancel";

    const int32_t plane = step <= 5 ? 0 : (step - 6) / 5;
    const bool inWriteBack = step > 5 && (step - 6) % 5 >= 2;
    ExpectPlanes(host.output(), plane, inWriteBack ? plane : -1);
}

INSTANTIATE_TEST_SUITE_P(EveryStep, CancelAtStep, ::testing::Range(1, 21));

TEST(BufferAllocation, FailingAnywhereStopsWithMemFullAndFreesEverything) {
    Host reference(WiredImage(3));
    ASSERT_TRUE(RepeatRun(reference).ok());
    const int32_t allocations = reference.buffers().allocations();
    ASSERT_GT(allocations, 0);
    for (int32_t k = 1; k <= allocations; ++k) {
        SCOPED_TRACE("allocation " + std::to_string(k));
        HostOptions options;
        options.faults.failBufferAt = k;
        Host host(WiredImage(3), options);
        ExpectStoppedAt(RepeatRun(host), memFullErr, host);
    }
}

struct NoWireCase {
    const char* name;
    WirePoints points;
    int32_t pointCount;
};

void PrintTo(const NoWireCase& c, std::ostream* os) { *os << c.name; }

class NoWire : public ::testing::TestWithParam<NoWireCase> {};

TEST_P(NoWire, LeavesTheImageAlone) {
    Host host(WiredImage(3));
    PluginData data = MarkedData(GetParam().points, 0);
    data.pointCount = GetParam().pointCount;
    SetParameters(host, kWireWidth);
    SetData(host, data);
    const Outcome outcome = host.run(PluginMain);
    ExpectStoppedAt(outcome, 2, host);
    EXPECT_EQ(host.requests().calls(), 0);
    EXPECT_TRUE(host.progress().log().empty());
    EXPECT_TRUE(SameImage(host.output(), WiredImage(3)));
}

INSTANTIATE_TEST_SUITE_P(Cases, NoWire,
                         ::testing::Values(NoWireCase{"NoPoint", kWire, 0}, NoWireCase{"OnePoint", kWire, 1},
                                           NoWireCase{"SamePoint", {20, 30, 20, 30}, 2},
                                           NoWireCase{"OnePixelApart", {20, 30, 21, 31}, 2},
                                           NoWireCase{"OnePixelAcross", {20, 30, 20, 31}, 2}),
                         [](const ::testing::TestParamInfo<NoWireCase>& info) { return info.param.name; });

class Progress : public ::testing::TestWithParam<int32_t> {};

TEST_P(Progress, CountsFiveStepsForTheTraceAndEachPlane) {
    const int32_t channels = GetParam();
    Host host(WiredImage(channels));
    ASSERT_TRUE(RepeatRun(host).ok());
    const int32_t total = 5 * (channels + 1);
    std::vector<ProgressStep> expected;
    for (int32_t done = 1; done <= total; ++done) expected.push_back({done, total});
    EXPECT_EQ(host.progress().log(), expected);
    EXPECT_GT(MeanOnWire(host.output()), MeanOnWire(WiredImage(channels)) + 60);
}

INSTANTIATE_TEST_SUITE_P(GreyAndRgb, Progress, ::testing::Values(1, 3));

// The strip's outline in the image, with a pixel to spare on every side for
// truncation: corners at the two points, half the width to either side.
struct Box {
    int32_t left, top, right, bottom;
    bool contains(int32_t x, int32_t y) const { return x >= left && x <= right && y >= top && y <= bottom; }
};

Box WireBox(const WirePoints& p, int32_t width) {
    const double dx = p.endH - p.startH, dy = p.endV - p.startV, length = std::hypot(dx, dy);
    // The strip's rows are spaced a little over one pixel: length over its whole part.
    const double half = width * 0.5 * length / std::floor(length);
    const double nx = -dy / length * half, ny = dx / length * half;
    double xs[] = {p.startH + nx, p.startH - nx, p.endH + nx, p.endH - nx};
    double ys[] = {p.startV + ny, p.startV - ny, p.endV + ny, p.endV - ny};
    const auto [xMin, xMax] = std::minmax_element(std::begin(xs), std::end(xs));
    const auto [yMin, yMax] = std::minmax_element(std::begin(ys), std::end(ys));
    return {int32_t(std::floor(*xMin)) - 1, int32_t(std::floor(*yMin)) - 1, int32_t(std::ceil(*xMax)) + 1,
            int32_t(std::ceil(*yMax)) + 1};
}

struct OutlineCase {
    const char* name;
    WirePoints points;
    int32_t width;
};

void PrintTo(const OutlineCase& c, std::ostream* os) { *os << c.name; }

class Outline : public ::testing::TestWithParam<OutlineCase> {};

TEST_P(Outline, NothingOutsideTheWireRectangleChanges) {
    Host host(WiredImage(3));
    ASSERT_TRUE(RepeatRun(host, GetParam().width, GetParam().points).ok());
    const Image input = WiredImage(3), output = host.output();
    ASSERT_FALSE(SameImage(input, output));
    const Box box = WireBox(GetParam().points, GetParam().width);
    for (int32_t y = 0; y < input.height; ++y)
        for (int32_t x = 0; x < input.width; ++x)
            for (int32_t c = 0; c < 3 && !box.contains(x, y); ++c)
                ASSERT_EQ(output.at(x, y, c), input.at(x, y, c)) << x << "," << y;
}

INSTANTIATE_TEST_SUITE_P(Wires, Outline,
                         ::testing::Values(OutlineCase{"TheWire", kWire, kWireWidth},
                                           OutlineCase{"BottomFirst", {62, 80, 9, 12}, 10},
                                           OutlineCase{"Horizontal", {40, 70, 40, 20}, 16},
                                           OutlineCase{"Vertical", {10, 30, 60, 30}, 12}),
                         [](const ::testing::TestParamInfo<OutlineCase>& info) { return info.param.name; });

}  // namespace
