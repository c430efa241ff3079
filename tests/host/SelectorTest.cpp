// The selector protocol: the two host-kept blocks, their creation and locking,
// and the result codes of each selector.
#include <gtest/gtest.h>

#include "HostFixture.h"

namespace {

// Everything a selector could read or change, taken before and after it.
struct Snapshot {
    std::optional<Bytes> parameters, data;
    std::optional<Descriptor> script;
    int16_t recordInfo;

    explicit Snapshot(Host& host)
        : parameters(host.parameters()),
          data(host.data()),
          script(host.recordedDescriptor()),
          recordInfo(host.recordInfo()) {}
};

void ExpectNothingDone(Host& host, const Snapshot& before) {
    const Snapshot after(host);
    EXPECT_EQ(after.parameters, before.parameters);
    EXPECT_EQ(after.data, before.data);
    EXPECT_EQ(after.script, before.script);
    EXPECT_EQ(after.recordInfo, before.recordInfo);
    EXPECT_EQ(host.requests().calls(), 0) << "the image was requested";
    EXPECT_TRUE(host.progress().log().empty());
    EXPECT_FALSE(RegisteredWidth(host).has_value());
    EXPECT_TRUE(SameImage(host.output(), WiredImage(3)));
}

void ExpectDefaults(const Host& host) {
    ASSERT_EQ(host.parameters()->size(), sizeof(Parameters));
    ASSERT_EQ(host.data()->size(), sizeof(PluginData));
    EXPECT_EQ(ParametersOf(host).wireAreaWidth, 50);
    const PluginData data = DataOf(host);
    EXPECT_EQ(data.showDialog, 1);
    EXPECT_EQ(data.pointCount, 0);
    const PreviewView& view = data.view;
    EXPECT_EQ(view.bufferID, nullptr);
    EXPECT_EQ(view.pixels, nullptr);
    EXPECT_EQ(view.proxyRect.top | view.proxyRect.left | view.proxyRect.bottom | view.proxyRect.right, 0);
    EXPECT_EQ(view.scale, 1.0);
    EXPECT_EQ(view.fitScale, 1.0);
    EXPECT_EQ(view.proxyWidth | view.proxyHeight | view.planeSize, 0);
}

void ExpectUnlocked(Host& host) {
    EXPECT_FALSE(host.handles().isLocked(host.record().parameters));
    EXPECT_FALSE(host.handles().isLocked(DataHandleOf(host)));
}

// A host that has run the filter before: blocks with a marked wire, width 30,
// a recorded script that does not ask for the dialog.
void PrepareRepeat(Host& host) {
    SetRepeatState(host, 30);
    host.setScript(WidthScript(120), plugInDialogDontDisplay);
    ScriptBlock(host).recordInfo = plugInDialogRequired;
}

TEST(Parameters, ResetsBothBlocksButKeepsThePoints) {
    Host host(WiredImage(3));
    SetParameters(host, 99);
    PluginData old = MarkedData({7, 8, 9, 10}, 0);
    old.view.proxyRect = {1, 2, 3, 4};
    old.view.scale = old.view.fitScale = 0.25;
    old.view.proxyWidth = old.view.proxyHeight = old.view.planeSize = 5;
    SetData(host, old);

    ASSERT_EQ(host.call(PluginMain, filterSelectorParameters), noErr);
    ExpectDefaults(host);
    EXPECT_TRUE(SamePoints(PointsOf(DataOf(host)), {7, 8, 9, 10}));
    ExpectUnlocked(host);
}

class FreshHost : public ::testing::TestWithParam<int16_t> {};

TEST_P(FreshHost, CreatesBothBlocksWithTheirDefaults) {
    Host host(WiredImage(3));
    ASSERT_EQ(host.call(PluginMain, GetParam()), noErr);
    ExpectDefaults(host);
    ExpectUnlocked(host);
}

INSTANTIATE_TEST_SUITE_P(ParametersOrPrepare, FreshHost,
                         ::testing::Values(filterSelectorParameters, filterSelectorPrepare));

// The k-th newProc fails: the first makes the parameters block, the second
// the data block.
class FailedNewHandle : public ::testing::TestWithParam<int32_t> {};

TEST_P(FailedNewHandle, ReportsMemFullAndWritesNothing) {
    HostOptions options;
    options.faults.failHandleAt = GetParam();
    Host host(WiredImage(3), options);
    EXPECT_EQ(host.call(PluginMain, filterSelectorParameters), memFullErr);

    const std::optional<Bytes> made = GetParam() == 1 ? host.data() : host.parameters();
    const std::optional<Bytes> failed = GetParam() == 1 ? host.parameters() : host.data();
    EXPECT_FALSE(failed.has_value());
    ASSERT_TRUE(made.has_value());
    EXPECT_EQ(*made, Bytes(made->size(), 0)) << "defaults written after a failure";
}

INSTANTIATE_TEST_SUITE_P(ParametersOrData, FailedNewHandle, ::testing::Values(1, 2));

struct MissingCase {
    int16_t selector;
    bool parametersMissing;
};

class MissingHandle : public ::testing::TestWithParam<MissingCase> {};

TEST_P(MissingHandle, ReportsBadParametersAndTouchesNothing) {
    Host host(WiredImage(3));
    if (GetParam().parametersMissing)
        SetData(host, MarkedData(kWire, 1));
    else
        SetParameters(host, 30);
    host.setScript(WidthScript(120), plugInDialogDontDisplay);
    ScriptBlock(host).recordInfo = plugInDialogRequired;
    const Snapshot before(host);

    EXPECT_EQ(host.call(PluginMain, GetParam().selector), filterBadParameters);
    ExpectNothingDone(host, before);
}

INSTANTIATE_TEST_SUITE_P(StartOrFinish, MissingHandle,
                         ::testing::Values(MissingCase{filterSelectorStart, true},
                                           MissingCase{filterSelectorStart, false},
                                           MissingCase{filterSelectorFinish, true},
                                           MissingCase{filterSelectorFinish, false}));

class FailedLock : public ::testing::TestWithParam<int16_t> {};

TEST_P(FailedLock, ReportsMemFullAndTouchesNothing) {
    Host host(WiredImage(3));
    PrepareRepeat(host);
    const Snapshot before(host);
    HandleSpy spy(host);
    spy.failLocks();

    EXPECT_EQ(host.call(PluginMain, GetParam()), memFullErr);
    EXPECT_GT(spy.totalLocks(), 0);
    ExpectNothingDone(host, before);
}

INSTANTIATE_TEST_SUITE_P(EverySelectorThatLocks, FailedLock,
                         ::testing::Values(filterSelectorParameters, filterSelectorPrepare, filterSelectorStart,
                                           filterSelectorFinish));

constexpr int16 kHostsResult = 4242;

void PI_CDECL PluginMainAfterHostSetResult(int16 selector, void* record, intptr_t* data, int16* result) {
    *result = kHostsResult;
    PluginMain(selector, record, data, result);
}

class UnknownSelector : public ::testing::TestWithParam<int16_t> {};

TEST_P(UnknownSelector, DoesNothingButUnlockBothHandles) {
    Host host(WiredImage(3));
    PrepareRepeat(host);
    const Snapshot before(host);
    Handle params = host.record().parameters, data = DataHandleOf(host);
    host.handles().lock(params);
    host.handles().lock(data);
    HandleSpy spy(host);

    EXPECT_EQ(host.call(PluginMainAfterHostSetResult, GetParam()), kHostsResult);
    EXPECT_EQ(spy.totalLocks(), 0);
    EXPECT_EQ(spy.unlocks(params), 1);
    EXPECT_EQ(spy.unlocks(data), 1);
    ExpectUnlocked(host);
    ExpectNothingDone(host, before);
}

INSTANTIATE_TEST_SUITE_P(OutOfRange, UnknownSelector,
                         ::testing::Values(int16_t(6), int16_t(7), int16_t(255), int16_t(INT16_MAX), int16_t(-1),
                                           int16_t(INT16_MIN)));

TEST(About, TouchesNeitherHandle) {
    Host host(WiredImage(3));
    PrepareRepeat(host);
    const Snapshot before(host);
    host.handles().lock(host.record().parameters);
    HandleSpy spy(host);

    EXPECT_EQ(host.about(PluginMain), noErr);
    EXPECT_EQ(spy.totalLocks() + spy.totalUnlocks(), 0);
    EXPECT_TRUE(host.handles().isLocked(host.record().parameters)) << "about unlocked a handle";
    ExpectNothingDone(host, before);
}

class EverySelector : public ::testing::TestWithParam<int16_t> {};

TEST_P(EverySelector, LeavesBothHandlesUnlocked) {
    Host host(WiredImage(3));
    PrepareRepeat(host);
    Handle params = host.record().parameters, data = DataHandleOf(host);
    HandleSpy spy(host);

    EXPECT_EQ(host.call(PluginMain, GetParam()), noErr);
    ExpectUnlocked(host);
    EXPECT_LE(spy.locks(params), spy.unlocks(params));
    EXPECT_LE(spy.locks(data), spy.unlocks(data));
}

INSTANTIATE_TEST_SUITE_P(OneToFive, EverySelector,
                         ::testing::Values(filterSelectorParameters, filterSelectorPrepare, filterSelectorStart,
                                           filterSelectorContinue, filterSelectorFinish));

}  // namespace
