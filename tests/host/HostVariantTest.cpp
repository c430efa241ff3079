// Hosts that offer less: no 32-bit coordinates, no basic suite, no scripting,
// a foreign signature. The filter runs the same way in each.
#include <gtest/gtest.h>

#include <functional>

#include "HostFixture.h"

namespace {

// A repeated run of the filter over the wired RGB image.
Image RepeatRun(Host& host) {
    SetRepeatState(host, kWireWidth);
    EXPECT_TRUE(host.run(PluginMain).ok());
    EXPECT_EQ(host.buffers().liveCount(), 0u);
    return host.output();
}

const Image& FullHostOutput() {
    static const Image output = [] {
        Host host(WiredImage(3));
        return RepeatRun(host);
    }();
    return output;
}

TEST(FullHost, RemovesTheWire) {
    EXPECT_GT(MeanOnWire(FullHostOutput()), MeanOnWire(WiredImage(3)) + 60);
}

struct Variant {
    const char* name;
    std::function<void(HostOptions&)> options;
    std::function<void(Host&)> after = [](Host&) {};
};

void PrintTo(const Variant& v, std::ostream* os) { *os << v.name; }

class LackingHost : public ::testing::TestWithParam<Variant> {};

TEST_P(LackingHost, StillRemovesTheWire) {
    HostOptions options;
    GetParam().options(options);
    Host host(WiredImage(3), options);
    GetParam().after(host);
    EXPECT_TRUE(SameImage(RepeatRun(host), FullHostOutput()));
}

INSTANTIATE_TEST_SUITE_P(
    Variants, LackingHost,
    ::testing::Values(
        Variant{"NoBigDocument", [](HostOptions& o) { o.bigDocument = false; }},
        // With 32-bit coordinates the 16-bit filter rectangle is not looked at.
        Variant{"BigDocumentOnly", [](HostOptions&) {}, [](Host& h) { h.record().filterRect = {0, 0, 0, 0}; }},
        Variant{"NoBasicSuite", [](HostOptions& o) { o.basicSuite = false; }},
        Variant{"NoDescriptorParameters", [](HostOptions& o) { o.descriptorParameters = false; }},
        Variant{"NoDescriptorProcs", [](HostOptions& o) { o.descriptorProcs = false; }},
        Variant{"NoReadProcs", [](HostOptions&) {},
                [](Host& h) {
                    h.setScript(WidthScript(120), plugInDialogDisplay);
                    ScriptBlock(h).readDescriptorProcs = nullptr;
                }},
        Variant{"NoWriteProcs", [](HostOptions&) {}, [](Host& h) { ScriptBlock(h).writeDescriptorProcs = nullptr; }},
        Variant{"ZeroSignature", [](HostOptions& o) { o.hostSig = 0; }},
        Variant{"OtherSignature", [](HostOptions& o) { o.hostSig = FourCC("8BIM"); }},
        Variant{"AllBitsSignature", [](HostOptions& o) { o.hostSig = 0xFFFFFFFFu; }}),
    [](const ::testing::TestParamInfo<Variant>& info) { return info.param.name; });

// Continue asks for nothing more: every request rectangle is empty after it,
// in the 32-bit fields when the host offers them, in the 16-bit ones otherwise.
class Continue : public ::testing::TestWithParam<bool> {};

TEST_P(Continue, EmptiesTheRequestRectangles) {
    const bool big = GetParam();
    HostOptions options;
    options.bigDocument = big;
    Host host(WiredImage(3), options);
    SetRepeatState(host, kWireWidth);
    FilterRecord& record = host.record();
    const Rect16 someRect{1, 2, 3, 4};
    record.inRect = record.outRect = record.maskRect = someRect;
    if (big) {
        record.bigDocumentData->PluginUsing32BitCoordinates = 0;
        record.bigDocumentData->inRect32 = record.bigDocumentData->outRect32 =
            record.bigDocumentData->maskRect32 = {5, 6, 7, 8};
    }

    ASSERT_EQ(host.call(PluginMain, filterSelectorContinue), noErr);
    EXPECT_FALSE(host.requests().wantsData());
    auto empty16 = [](const Rect16& r) { return (r.top | r.left | r.bottom | r.right) == 0; };
    auto empty32 = [](const VRect& r) { return (r.top | r.left | r.bottom | r.right) == 0; };
    if (big) {
        EXPECT_EQ(record.bigDocumentData->PluginUsing32BitCoordinates, 1);
        EXPECT_TRUE(empty32(record.bigDocumentData->inRect32));
        EXPECT_TRUE(empty32(record.bigDocumentData->outRect32));
        EXPECT_TRUE(empty32(record.bigDocumentData->maskRect32));
    } else {
        EXPECT_TRUE(empty16(record.inRect));
        EXPECT_TRUE(empty16(record.outRect));
        EXPECT_TRUE(empty16(record.maskRect));
    }
}

INSTANTIATE_TEST_SUITE_P(SixteenOrThirtyTwoBit, Continue, ::testing::Bool());

// Every selector but about asks for 32-bit coordinates when they are offered.
class BigDocument : public ::testing::TestWithParam<int16_t> {};

TEST_P(BigDocument, IsSwitchedToThirtyTwoBitCoordinates) {
    Host host(WiredImage(3));
    SetRepeatState(host, kWireWidth);
    host.record().bigDocumentData->PluginUsing32BitCoordinates = 0;
    host.call(PluginMain, GetParam());
    EXPECT_EQ(host.record().bigDocumentData->PluginUsing32BitCoordinates, 1);
}

INSTANTIATE_TEST_SUITE_P(OneToFive, BigDocument,
                         ::testing::Values(filterSelectorParameters, filterSelectorPrepare, filterSelectorStart,
                                           filterSelectorContinue, filterSelectorFinish));

}  // namespace
