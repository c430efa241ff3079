// The start selector's decisions and the width's round trip: the dialog, the
// scripting descriptor, the descriptor registry, and what finish records.
#include <gtest/gtest.h>

#include "HostFixture.h"

namespace {

constexpr DescriptorKeyID kForeignKey = FourCC("fore");
constexpr DescriptorTypeID typeText = FourCC("TEXT");

int16_t Start(Host& host) {
    const int16_t result = host.call(PluginMain, filterSelectorStart);
    EXPECT_EQ(DataOf(host).showDialog, 0) << "every start clears showDialog";
    return result;
}

bool Filtered(const Host& host) { return !SameImage(host.output(), WiredImage(3)); }

// A first invocation: parameters, the wire marked, the registry at 80, and
// possibly a script, then start. No dialog exists to confirm.
class DialogWanted : public ::testing::TestWithParam<std::optional<int32_t>> {};

TEST_P(DialogWanted, IsNotConfirmedAndRestoresTheWidth) {
    Host host(WiredImage(3));
    RegisterWidth(host, 80);
    ASSERT_EQ(ParametersAndMark(host), noErr);
    if (GetParam()) host.setScript(WidthScript(*GetParam()), plugInDialogDisplay);

    EXPECT_EQ(Start(host), userCanceledErr);
    EXPECT_EQ(ParametersOf(host).wireAreaWidth, 80) << "the width that stood before the dialog";
    EXPECT_EQ(DataOf(host).pointCount, 2);
    EXPECT_TRUE(SamePoints(PointsOf(DataOf(host)), kWire));
    EXPECT_FALSE(Filtered(host));
    EXPECT_EQ(host.buffers().liveCount(), 0u);
}

INSTANTIATE_TEST_SUITE_P(WithoutOrWithScript, DialogWanted, ::testing::Values(std::nullopt, 120));

struct PlayCase {
    int16_t playInfo;
    int16_t result;
    int32_t width;
};

// A repeated invocation (no dialog pending) with a script of width 40.
class PlayInfo : public ::testing::TestWithParam<PlayCase> {};

TEST_P(PlayInfo, DecidesWhetherTheDialogIsWanted) {
    Host host(WiredImage(3));
    SetRepeatState(host, 30);
    host.setScript(WidthScript(40), GetParam().playInfo);
    ASSERT_EQ(host.call(PluginMain, filterSelectorPrepare), noErr);

    EXPECT_EQ(Start(host), GetParam().result);
    EXPECT_EQ(ParametersOf(host).wireAreaWidth, GetParam().width);
    EXPECT_EQ(Filtered(host), GetParam().result == noErr);
}

INSTANTIATE_TEST_SUITE_P(DontDisplayDisplaySilent, PlayInfo,
                         ::testing::Values(PlayCase{plugInDialogDontDisplay, noErr, 40},
                                           PlayCase{plugInDialogDisplay, userCanceledErr, 30},
                                           PlayCase{plugInDialogSilent, noErr, 40}));

// A reader whose close reports an error: the width is not taken and the filter
// runs without the dialog, even though the script asks for it.
TEST(UnreadableScript, RunsWithoutTheDialog) {
    Host host(WiredImage(3));
    ASSERT_EQ(ParametersAndMark(host), noErr);
    Descriptor script;
    script.put(keyWireAreaWidth, typeText, Bytes{'4', '0'});
    host.setScript(script, plugInDialogDisplay);

    EXPECT_EQ(Start(host), noErr);
    EXPECT_EQ(ParametersOf(host).wireAreaWidth, 50);
    EXPECT_TRUE(Filtered(host));
}

// A descriptor handle the host cannot open: the width stays and the decision
// follows playInfo.
TEST(UnopenableScript, LeavesTheWidthAndFollowsPlayInfo) {
    Host host(WiredImage(3));
    ASSERT_EQ(ParametersAndMark(host), noErr);
    SetRawScript(host, Bytes{0xde, 0xad}, plugInDialogDontDisplay);

    EXPECT_EQ(Start(host), noErr);
    EXPECT_EQ(ParametersOf(host).wireAreaWidth, 50);
    EXPECT_TRUE(Filtered(host));
}

TEST(RepeatedStart, RunsWithoutDialogWithTheSamePointsAndWidth) {
    Host first(WiredImage(3));
    ASSERT_TRUE(first.runFirst(PluginMain, {kWire, 30}).ok());
    ASSERT_TRUE(Filtered(first));

    // The host keeps the blocks, the user repeats the filter: no parameters
    // selector, no script.
    Host again(WiredImage(3));
    again.setParameters(*first.parameters());
    again.setData(*first.data());
    ASSERT_EQ(again.call(PluginMain, filterSelectorPrepare), noErr);
    EXPECT_EQ(Start(again), noErr);
    EXPECT_EQ(ParametersOf(again).wireAreaWidth, 30);
    EXPECT_TRUE(SamePoints(PointsOf(DataOf(again)), kWire));
    EXPECT_TRUE(SameImage(again.output(), first.output()));
}

struct WidthSources {
    std::optional<int32_t> registry;
    std::optional<int32_t> script;
    int32_t expected;
};

// Default 50, then the registry, then the script, each overriding the last.
class WidthOrder : public ::testing::TestWithParam<WidthSources> {};

TEST_P(WidthOrder, LaterSourcesOverrideEarlierOnes) {
    Host host(WiredImage(3));
    if (GetParam().registry) RegisterWidth(host, *GetParam().registry);
    ASSERT_EQ(ParametersAndMark(host), noErr);
    host.setScript(GetParam().script ? WidthScript(*GetParam().script) : Descriptor{}, plugInDialogDontDisplay);

    EXPECT_EQ(Start(host), noErr);
    EXPECT_EQ(ParametersOf(host).wireAreaWidth, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Sources, WidthOrder,
                         ::testing::Values(WidthSources{std::nullopt, std::nullopt, 50},
                                           WidthSources{80, std::nullopt, 80},
                                           WidthSources{std::nullopt, 120, 120},
                                           WidthSources{80, 120, 120}));

// Reading stops at the first key other than 'wawi'.
class ForeignKey : public ::testing::TestWithParam<bool> {};

TEST_P(ForeignKey, EndsTheReading) {
    const bool widthFirst = GetParam();
    Descriptor script;
    if (widthFirst) script.putInteger(keyWireAreaWidth, 120);
    script.putInteger(kForeignKey, 7);
    if (!widthFirst) script.putInteger(keyWireAreaWidth, 120);
    Host host(WiredImage(3));
    ASSERT_EQ(ParametersAndMark(host), noErr);
    host.setScript(script, plugInDialogDontDisplay);

    EXPECT_EQ(Start(host), noErr);
    EXPECT_EQ(ParametersOf(host).wireAreaWidth, widthFirst ? 120 : 50);
}

INSTANTIATE_TEST_SUITE_P(WidthAfterOrBefore, ForeignKey, ::testing::Bool());

TEST(ScriptDescriptor, IsDisposedOfOnceRead) {
    Host host(WiredImage(3));
    ASSERT_EQ(ParametersAndMark(host), noErr);
    host.setScript(WidthScript(40), plugInDialogDontDisplay);
    const Handle script = ScriptBlock(host).descriptor;

    EXPECT_EQ(Start(host), noErr);
    EXPECT_EQ(ScriptBlock(host).descriptor, nullptr);
    EXPECT_FALSE(host.handles().owns(script));
}

TEST(Finish, RecordsTheWidthInScriptAndRegistry) {
    Host host(WiredImage(3));
    ASSERT_EQ(ParametersAndMark(host), noErr);
    host.setScript(WidthScript(40), plugInDialogDontDisplay);
    ASSERT_EQ(Start(host), noErr);
    ScriptBlock(host).recordInfo = plugInDialogRequired;

    ASSERT_EQ(host.call(PluginMain, filterSelectorFinish), noErr);
    const std::optional<Descriptor> recorded = host.recordedDescriptor();
    ASSERT_TRUE(recorded.has_value());
    EXPECT_EQ(*recorded, WidthScript(40)) << "exactly one entry: 'wawi' as an integer";
    EXPECT_EQ(host.recordInfo(), plugInDialogOptional);
    EXPECT_EQ(RegisteredWidth(host), 40);
    EXPECT_TRUE(host.registry().isPersistent(kPluginUniqueString));
    EXPECT_EQ(host.basicSuite().outstanding(), 0) << "every suite acquired is released";
}

}  // namespace
