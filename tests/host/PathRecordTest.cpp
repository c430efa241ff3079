// A wire marked with several points, as the host keeps it between calls: the
// later points after the record's first bytes, a repeated filter and a
// replayed action tracing the same path, and a block kept from a record of
// two-point wires.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>

#include "HostFixture.h"

namespace {

// The test wire with a third point in its middle and a fourth past it.
const std::vector<WirePoint> kLaterPoints = {{45, 60}, {62, 80}};
constexpr WirePoints kFirstPiece{9, 12, 35, 46};

Outcome RunPath(Host& host) { return host.runFirst(PluginMain, {kFirstPiece, 30, kLaterPoints}); }

TEST(PathRecord, KeepsTheLaterPointsAfterTheFirstBytes) {
    Host host(WiredImage(3));
    ASSERT_TRUE(RunPath(host).ok());
    const PluginData data = DataOf(host);
    EXPECT_EQ(data.pointCount, 4);
    EXPECT_TRUE(SamePoints(PointsOf(data), kFirstPiece));
    for (size_t k = 0; k < kLaterPoints.size(); ++k) {
        EXPECT_EQ(data.laterPoints[k].v, kLaterPoints[k].v);
        EXPECT_EQ(data.laterPoints[k].h, kLaterPoints[k].h);
    }
    EXPECT_GT(MeanOnWire(host.output()), MeanOnWire(WiredImage(3)) + 40) << "the wire is gone along the path";
}

TEST(PathRecord, RepeatAndReplayTraceTheSamePath) {
    Host first(WiredImage(3));
    ASSERT_TRUE(RunPath(first).ok());

    // The host keeps the blocks and the user repeats the filter: no
    // parameters selector, no script.
    Host repeated(WiredImage(3));
    repeated.setParameters(*first.parameters());
    repeated.setData(*first.data());
    ASSERT_TRUE(repeated.run(PluginMain).ok());
    EXPECT_TRUE(SameImage(repeated.output(), first.output()));

    // A recorded action replayed without its dialog: the recorded width, the
    // points of the last interactive run.
    Host replayed(WiredImage(3));
    SetParameters(replayed, 77);
    replayed.setData(*first.data());
    replayed.setScript(*first.recordedDescriptor(), plugInDialogDontDisplay);
    ASSERT_TRUE(replayed.run(PluginMain).ok());
    EXPECT_EQ(ParametersOf(replayed).wireAreaWidth, 30);
    EXPECT_TRUE(SameImage(replayed.output(), first.output()));
}

TEST(PathRecord, ABlockOfTheShorterRecordGrowsAndStillRuns) {
    Host first(WiredImage(3));
    ASSERT_TRUE(first.runFirst(PluginMain, {kWire, 30}).ok());

    Host kept(WiredImage(3));
    kept.setParameters(*first.parameters());
    Bytes shorter = *first.data();
    shorter.resize(offsetof(PluginData, laterPoints));
    kept.setData(shorter);
    ASSERT_TRUE(kept.run(PluginMain).ok());
    EXPECT_EQ(kept.data()->size(), sizeof(PluginData));
    EXPECT_TRUE(SameImage(kept.output(), first.output()));
    const Bytes grown = *kept.data();
    EXPECT_TRUE(std::all_of(grown.begin() + long(shorter.size()), grown.end(), [](uint8_t b) { return b == 0; }));
}

TEST(PathRecord, ACountTheRecordCannotHoldIsRefused) {
    Host host(WiredImage(3));
    SetRepeatState(host, 30);
    PluginData data = DataOf(host);
    data.pointCount = kMaxWirePoints + 1;
    SetData(host, data);
    const Outcome outcome = host.run(PluginMain);
    EXPECT_EQ(outcome.code, paramErr);
    EXPECT_TRUE(SameImage(host.output(), WiredImage(3)));
}

}  // namespace
