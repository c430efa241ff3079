// Whole runs: the selector sequence, the blocks kept between calls, the
// continue loop, and faults, driven by the fake filter and scripted plug-ins.
#include <gtest/gtest.h>

#include <cstring>

#include "FakeFilter.h"
#include "HostError.h"
#include "ParamBlocks.h"
#include "TestSupport.h"

namespace {

constexpr int32_t kW = 30, kH = 20;
const WirePoints kRow5{5, 3, 5, 10};

int32_t FieldOf(const Bytes& block, size_t offset) {
    int32_t v = 0;
    std::memcpy(&v, block.data() + offset, sizeof v);
    return v;
}

// Wraps the fake filter and notes the selectors it gets.
std::vector<int16> gSelectors;
void PI_CDECL RecordingFilter(int16 selector, void* record, intptr_t* data, int16* result) {
    gSelectors.push_back(selector);
    PluginMain(selector, record, data, result);
}

TEST(HostRun, FirstRunStoresPointsAndWidthThenFiltersAndRecords) {
    gSelectors.clear();
    Host host(PatternImage(kW, kH, 3));
    Outcome outcome = host.runFirst(RecordingFilter, {kRow5, 40});
    ASSERT_TRUE(outcome.ok()) << outcome.selector << ": " << outcome.code;
    EXPECT_EQ(gSelectors, (std::vector<int16>{1, 2, 3, 4, 5}));

    Bytes data = host.data().value();
    EXPECT_EQ(FieldOf(data, offsetof(PluginData, startV)), 5);
    EXPECT_EQ(FieldOf(data, offsetof(PluginData, endH)), 10);
    EXPECT_EQ(FieldOf(data, offsetof(PluginData, pointCount)), 2);
    EXPECT_EQ(FieldOf(host.parameters().value(), 0), 40);
    EXPECT_EQ(host.recordedDescriptor()->integer(keyWireAreaWidth), 40);

    Image out = host.output();
    for (int32_t p = 0; p < 3; ++p) {
        EXPECT_EQ(out.at(3, 5, p), 255 - PatternValue(3, 5, p));
        EXPECT_EQ(out.at(10, 5, p), 255 - PatternValue(10, 5, p));
        EXPECT_EQ(out.at(11, 5, p), PatternValue(11, 5, p));
        EXPECT_EQ(out.at(3, 6, p), PatternValue(3, 6, p));
    }
    EXPECT_EQ(out.at(0, 0, 0), 40);
    EXPECT_EQ(host.progress().log(), (std::vector<ProgressStep>{{1, 3}, {2, 3}, {3, 3}}));
    EXPECT_EQ(host.buffers().liveCount(), 0u);
    EXPECT_EQ(host.buffers().peakBytes(), 1024);
    EXPECT_EQ(host.basicSuite().outstanding(), 0);
}

TEST(HostRun, WithoutAWidthTheScriptIsEmptyAndThePluginsOwnWidthStands) {
    Host host(PatternImage(kW, kH, 1));
    ASSERT_TRUE(host.runFirst(PluginMain, {kRow5, std::nullopt}).ok());
    EXPECT_EQ(FieldOf(host.parameters().value(), 0), kDefaultWireAreaWidth);
}

TEST(HostRun, RepeatedRunSkipsParametersAndReusesTheKeptBlocks) {
    Host first(PatternImage(kW, kH, 1));
    ASSERT_TRUE(first.runFirst(PluginMain, {kRow5, 60}).ok());

    gSelectors.clear();
    Host second(PatternImage(kW, kH, 1));
    second.setParameters(first.parameters().value());
    second.setData(first.data().value());
    second.setScript(first.recordedDescriptor().value(), plugInDialogDontDisplay);
    ASSERT_TRUE(second.run(RecordingFilter).ok());
    EXPECT_EQ(gSelectors, (std::vector<int16>{2, 3, 4, 5}));
    EXPECT_EQ(second.output().pixels, first.output().pixels);
}

TEST(HostRun, StopsAtTheFailingSelectorWithItsCode) {
    gSelectors.clear();
    Host host(PatternImage(kW, kH, 1));
    Outcome outcome = host.runFirst(RecordingFilter, {kRow5, kFakeFailingWidth});
    EXPECT_EQ(outcome.selector, filterSelectorStart);
    EXPECT_EQ(outcome.code, filterBadParameters);
    EXPECT_EQ(gSelectors, (std::vector<int16>{1, 2, 3}));

    Host noWire(PatternImage(kW, kH, 1));
    EXPECT_EQ(noWire.runFirst(PluginMain, {}).code, 2);
}

TEST(HostRun, InjectedFaultsReachThePluginAsTheirCodes) {
    HostOptions options;
    options.faults.failHandleAt = 2;
    Host noMemory(PatternImage(kW, kH, 1), options);
    Outcome outcome = noMemory.runFirst(PluginMain, {kRow5, 20});
    EXPECT_EQ(outcome.selector, filterSelectorParameters);
    EXPECT_EQ(outcome.code, memFullErr);

    options = {};
    options.faults.cancelAt = 1;
    Host cancelled(PatternImage(kW, kH, 3), options);
    EXPECT_EQ(cancelled.runFirst(PluginMain, {kRow5, 20}).code, userCanceledErr);
    EXPECT_EQ(cancelled.progress().log().size(), 1u) << "no plane after the cancel";
    EXPECT_EQ(cancelled.buffers().liveCount(), 0u);

    options = {};
    options.faults.advance = {2, -5};
    Host broken(PatternImage(kW, kH, 3), options);
    EXPECT_EQ(broken.runFirst(PluginMain, {kRow5, 20}).code, -5);
    Image out = broken.output();
    EXPECT_EQ(out.at(3, 5, 0), 255 - PatternValue(3, 5, 0)) << "plane 0 was written before the failure";
    EXPECT_EQ(out.at(3, 5, 1), PatternValue(3, 5, 1));
}

TEST(HostRun, ContinueIsCalledWithDataUntilEveryRectangleIsEmpty) {
    Host host(PatternImage(kW, kH, 1));
    std::vector<uint8_t> delivered;
    ScriptedPlugin plugin([&](int16 selector, FilterRecord& rec, intptr_t*, int16*) {
        if (selector == filterSelectorStart) rec.inRect = {0, 0, 1, 1};
        if (selector != filterSelectorContinue) return;
        delivered.push_back(*static_cast<uint8_t*>(rec.inData));
        int16 next = int16(rec.inRect.left + 1);
        rec.inRect = next < 3 ? Rect16{0, next, 1, int16(next + 1)} : Rect16{0, 0, 0, 0};
    });
    ASSERT_TRUE(host.run(ScriptedPlugin::Entry()).ok());
    EXPECT_EQ(delivered, (std::vector<uint8_t>{PatternValue(0, 0, 0), PatternValue(1, 0, 0), PatternValue(2, 0, 0)}));
}

TEST(HostRun, BadRequestBeforeContinueEndsTheRun) {
    Host host(PatternImage(kW, kH, 1));
    int continues = 0;
    ScriptedPlugin plugin([&](int16 selector, FilterRecord& rec, intptr_t*, int16*) {
        if (selector == filterSelectorStart) rec.inRect = {0, 0, 1, 1}, rec.inHiPlane = 5;
        continues += selector == filterSelectorContinue;
    });
    Outcome outcome = host.run(ScriptedPlugin::Entry());
    EXPECT_EQ(outcome.selector, filterSelectorContinue);
    EXPECT_EQ(outcome.code, paramErr);
    EXPECT_EQ(continues, 0);
}

TEST(HostRun, PointsNeedTheDataBlockThePluginMade) {
    Host host(PatternImage(kW, kH, 1));
    ScriptedPlugin plugin([](int16, FilterRecord&, intptr_t*, int16*) {});
    EXPECT_THROW(host.runFirst(ScriptedPlugin::Entry(), {kRow5, 20}), HostError);
}

TEST(HostRun, AboutGetsTheBasicSuiteAndTouchesNoBlock) {
    Host host(PatternImage(kW, kH, 1));
    const AboutRecord* seen = nullptr;
    SPBasicSuite* basic = nullptr;
    ScriptedPlugin plugin([&](int16 selector, FilterRecord& rec, intptr_t*, int16*) {
        ASSERT_EQ(selector, filterSelectorAbout);
        seen = reinterpret_cast<const AboutRecord*>(&rec);
        basic = seen->sSPBasic;
    });
    EXPECT_EQ(host.about(ScriptedPlugin::Entry()), noErr);
    EXPECT_EQ(basic, host.record().sSPBasic);
    EXPECT_FALSE(host.data().has_value());
}

}  // namespace
