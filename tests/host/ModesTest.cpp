// Grey, RGB, CMYK and Lab in 8 and 16 bits, flat and as layers, through the
// test host: each colour plane is repaired as the grey run of that plane
// would repair it, over the wire that the plane showing it traces; the
// transparency of a layer comes back bit for bit; what is not offered is
// refused before anything is written.
#include <gtest/gtest.h>

#include "HostFixture.h"

namespace {

// The planes of `image` after a repeated run at the given depth (0: its own).
ImagePlanes RunPlanes(const Image& image, int32_t depth, bool lab = false) {
    HostOptions options;
    options.depth = depth;
    options.lab = lab;
    Host host(image, options);
    SetRepeatState(host, kWireWidth);
    const Outcome outcome = host.run(PluginMain);
    EXPECT_TRUE(outcome.ok()) << outcome.code;
    EXPECT_EQ(host.buffers().liveCount(), 0u);
    return host.outputPlanes();
}

// The grey image of one channel.
Image Channel(const Image& image, int32_t c) {
    Image grey{image.width, image.height, 1, Bytes(size_t(image.width) * size_t(image.height))};
    for (int32_t y = 0; y < image.height; ++y)
        for (int32_t x = 0; x < image.width; ++x) grey.at(x, y, 0) = image.at(x, y, c);
    return grey;
}

// Channels that show the same wire and texture, a few levels apart: every one
// of them traces the same wire.
Image ShiftedChannels(int32_t channels) {
    const Image grey = WiredImage(1);
    Image out{grey.width, grey.height, channels, {}};
    for (uint8_t v : grey.pixels)
        for (int32_t c = 0; c < channels; ++c) out.pixels.push_back(uint8_t(v + 12 * c));
    return out;
}

// The channels of `image` with more channels of one value after them.
Image WithChannels(const Image& image, int32_t extra, uint8_t value) {
    Image out{image.width, image.height, image.channels + extra, {}};
    for (size_t i = 0; i < image.pixels.size(); i += size_t(image.channels)) {
        out.pixels.insert(out.pixels.end(), image.pixels.begin() + i, image.pixels.begin() + i + image.channels);
        out.pixels.insert(out.pixels.end(), size_t(extra), value);
    }
    return out;
}

bool SamePlanes(const ImagePlanes& a, int32_t planeA, const ImagePlanes& b, int32_t planeB) {
    for (int32_t y = 0; y < a.height(); ++y)
        for (int32_t x = 0; x < a.width(); ++x)
            if (a.value(planeA, x, y) != b.value(planeB, x, y)) return false;
    return true;
}

// Each plane of the result equals the grey run of that plane alone.
void ExpectEveryPlaneAsGrey(const Image& image, const ImagePlanes& result, int32_t depth) {
    for (int32_t c = 0; c < image.colourChannels(); ++c) {
        const ImagePlanes grey = RunPlanes(Channel(image, c), depth);
        EXPECT_TRUE(SamePlanes(result, c, grey, 0)) << "plane " << c << " at " << depth << " bits";
    }
}

class Depth : public ::testing::TestWithParam<int32_t> {};

TEST_P(Depth, GreyIsEachPlaneOfTheSameGreyInRgb) {
    const Image grey = WiredImage(1);
    Image rgb{grey.width, grey.height, 3, {}};
    for (uint8_t v : grey.pixels) rgb.pixels.insert(rgb.pixels.end(), 3, v);
    const ImagePlanes greyResult = RunPlanes(grey, GetParam()), rgbResult = RunPlanes(rgb, GetParam());
    EXPECT_FALSE(SamePlanes(greyResult, 0, ImagePlanes(grey, GetParam()), 0)) << "nothing was repaired";
    for (int32_t c = 0; c < 3; ++c) EXPECT_TRUE(SamePlanes(rgbResult, c, greyResult, 0)) << "plane " << c;
}

// CMYK's black plane carries no ink here, so its tracing reads cyan alone.
TEST_P(Depth, CmykAndLabPlanesAreEachAsGrey) {
    const Image cmyk = WithChannels(ShiftedChannels(3), 1, 255);
    ExpectEveryPlaneAsGrey(cmyk, RunPlanes(cmyk, GetParam()), GetParam());
    const Image lab = ShiftedChannels(3);
    ExpectEveryPlaneAsGrey(lab, RunPlanes(lab, GetParam(), true), GetParam());
}

// A wire printed in black alone: cyan does not show it, the tracing must.
TEST_P(Depth, CmykWireInTheBlackPlaneIsRemoved) {
    const Image wired = WiredImage(1);
    Image cmyk{wired.width, wired.height, 4, {}};
    for (int32_t y = 0; y < wired.height; ++y)
        for (int32_t x = 0; x < wired.width; ++x) {
            const uint8_t k = wired.at(x, y, 0) < 60 ? 20 : 250;
            for (uint8_t v : {uint8_t(140 + (x * 5 + y * 3) % 30), uint8_t(160), uint8_t(200), k})
                cmyk.pixels.push_back(v);
        }
    HostOptions options;
    options.depth = GetParam();
    Host host(cmyk, options);
    SetRepeatState(host, kWireWidth);
    ASSERT_TRUE(host.run(PluginMain).ok());
    EXPECT_EQ(host.record().imageMode, GetParam() == 16 ? plugInModeCMYK64 : plugInModeCMYKColor);
    EXPECT_GT(MeanOnWire(Channel(host.output(), 3)), 200) << "the wire is still in the black plane";
}

// The layer's transparency is neither read nor written; its colours come out
// as the flat image of the same colours does.
TEST_P(Depth, LayerKeepsItsTransparencyAndRepairsItsColours) {
    const Image rgb = WiredImage(3);
    Image layer = WithChannels(rgb, 1, 0);
    layer.alpha = true;
    for (int32_t y = 0; y < layer.height; ++y)
        for (int32_t x = 0; x < layer.width; ++x) layer.at(x, y, 3) = uint8_t((x * 7 + y * 13) % 256);
    HostOptions options;
    options.depth = GetParam();
    Host host(layer, options);
    EXPECT_EQ(host.record().planes, 4);
    EXPECT_EQ(host.record().inLayerPlanes, 3);
    EXPECT_EQ(host.record().inTransparencyMask, 1);
    SetRepeatState(host, kWireWidth);
    ASSERT_TRUE(host.run(PluginMain).ok());
    const std::vector<ProgressStep>& steps = host.progress().log();
    ASSERT_FALSE(steps.empty());
    EXPECT_EQ(steps.back().total, 20) << "the transparency plane is counted as a colour plane";

    const ImagePlanes flat = RunPlanes(rgb, GetParam());
    for (int32_t c = 0; c < 3; ++c) EXPECT_TRUE(SamePlanes(host.outputPlanes(), c, flat, c)) << "plane " << c;
    EXPECT_TRUE(SamePlanes(host.outputPlanes(), 3, host.inputPlanes(), 3)) << "the transparency changed";
    const Image out = host.output();
    EXPECT_TRUE(out.alpha);
    EXPECT_TRUE(SamePlane(out, layer, 3));
}

INSTANTIATE_TEST_SUITE_P(EightAndSixteenBits, Depth, ::testing::Values(8, 16));

struct RefusedCase {
    const char* name;
    int16_t mode;
    int32_t depth;
    int32_t requests;  // a mismatched depth shows only in what the host delivers
};

void PrintTo(const RefusedCase& c, std::ostream* os) { *os << c.name; }

class NotOffered : public ::testing::TestWithParam<RefusedCase> {};

TEST_P(NotOffered, GetsBadParameterBeforeAnythingIsWritten) {
    HostOptions options;
    options.depth = GetParam().depth;
    Host host(WiredImage(3), options);
    host.record().imageMode = GetParam().mode;
    SetRepeatState(host, kWireWidth);
    const Outcome outcome = host.run(PluginMain);
    EXPECT_EQ(outcome.selector, filterSelectorStart);
    EXPECT_EQ(outcome.code, paramErr);
    EXPECT_EQ(host.requests().calls(), GetParam().requests);
    EXPECT_TRUE(host.progress().log().empty());
    EXPECT_TRUE(SameImage(host.output(), WiredImage(3)));
    EXPECT_EQ(host.buffers().liveCount(), 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Modes, NotOffered,
    ::testing::Values(RefusedCase{"Bitmap", plugInModeBitmap, 8, 0}, RefusedCase{"Indexed", plugInModeIndexedColor, 8, 0},
                      RefusedCase{"HSL", plugInModeHSLColor, 8, 0}, RefusedCase{"HSB", plugInModeHSBColor, 8, 0},
                      RefusedCase{"Multichannel", plugInModeMultichannel, 8, 0},
                      RefusedCase{"Duotone", plugInModeDuotone, 8, 0},
                      RefusedCase{"DeepMultichannel", plugInModeDeepMultichannel, 16, 0},
                      RefusedCase{"Duotone16", plugInModeDuotone16, 16, 0},
                      RefusedCase{"RGB96", plugInModeRGB96, 16, 0}, RefusedCase{"Gray32", plugInModeGray32, 16, 0},
                      RefusedCase{"RgbAt16Bits", plugInModeRGBColor, 16, 1},
                      RefusedCase{"Rgb48At8Bits", plugInModeRGB48, 8, 1}),
    [](const ::testing::TestParamInfo<RefusedCase>& info) { return info.param.name; });

// Layer plane counts that do not fit the image are refused, not guessed at.
TEST(LayerPlanes, ThatDoNotFitAreRefused) {
    Image layer = WithChannels(WiredImage(3), 1, 255);
    layer.alpha = true;
    for (const auto& [layerPlanes, transparency] : {std::pair{2, 1}, {4, 1}, {3, 2}, {0, 1}, {3, -1}}) {
        Host host(layer);
        host.record().inLayerPlanes = int16_t(layerPlanes);
        host.record().inTransparencyMask = int16_t(transparency);
        SetRepeatState(host, kWireWidth);
        EXPECT_EQ(host.run(PluginMain).code, paramErr) << layerPlanes << " " << transparency;
        EXPECT_EQ(host.requests().calls(), 0);
        EXPECT_TRUE(SameImage(host.output(), layer));
    }
}

}  // namespace
