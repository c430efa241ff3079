// The command-line host with the built plug-in on image files of every kind
// it reads: 16-bit PNGs and images with alpha come back at their depth, with
// their alpha unchanged and the wire removed.
#include <gtest/gtest.h>

#include <cstdlib>

#include "HostFixture.h"
#include "ImageFile.h"

namespace {

struct FileCase {
    const char* name;
    int32_t colours;
    bool alpha;
    int32_t depth;
};

void PrintTo(const FileCase& c, std::ostream* os) { *os << c.name; }

// The wired image with the given colours, an alpha ramp and, at 16 bits,
// samples near v * 257 with low bits of their own, whose loss would show.
Image FileImage(const FileCase& c) {
    const Image wired = WiredImage(c.colours);
    Image image{wired.width, wired.height, c.colours + (c.alpha ? 1 : 0), {}, c.depth, c.alpha};
    image.pixels.resize(size_t(image.width) * size_t(image.height) * size_t(image.channels) *
                        size_t(image.bytesPerSample()));
    for (int32_t y = 0; y < image.height; ++y)
        for (int32_t x = 0; x < image.width; ++x) {
            for (int32_t ch = 0; ch < c.colours; ++ch) {
                const uint32_t v = wired.at(x, y, ch);
                image.setSample(x, y, ch, c.depth == 16 ? v * 257 - (x + y) % 7 * (v > 0) : v);
            }
            if (c.alpha) image.setSample(x, y, c.colours, uint32_t(x * 5 + y * 11) % (c.depth == 16 ? 65536 : 256));
        }
    return image;
}

// The 8-bit colours of an image, for measuring the wire.
Image Colours(const Image& image) {
    Image out{image.width, image.height, image.colourChannels(), {}};
    for (int32_t y = 0; y < image.height; ++y)
        for (int32_t x = 0; x < image.width; ++x)
            for (int32_t c = 0; c < out.channels; ++c)
                out.pixels.push_back(uint8_t(image.depth == 16 ? image.sample(x, y, c) >> 8 : image.sample(x, y, c)));
    return out;
}

class ImageFiles : public ::testing::TestWithParam<FileCase> {};

TEST_P(ImageFiles, ComeBackAtTheirDepthWithTheirAlphaAndWithoutTheWire) {
    ScratchDir dir;
    const Image in = FileImage(GetParam());
    WriteImage(dir / "in.png", in);
    const std::vector<std::string> args = {FILTERHOST_EXE,         "--registry", (dir / "reg").string(),
                                           "--points",             PointsArgument(kWire),
                                           "--width",              std::to_string(kWireWidth),
                                           (dir / "in.png").string(), (dir / "out.png").string()};
    ASSERT_EQ(Spawn(args, dir / "errors.txt"), 0);
    const Image out = ReadImage(dir / "out.png");
    ASSERT_EQ(out.depth, in.depth);
    ASSERT_EQ(out.alpha, in.alpha);
    ASSERT_EQ(out.channels, in.channels);
    int32_t changedOutside = 0;
    for (int32_t y = 0; y < in.height; ++y)
        for (int32_t x = 0; x < in.width; ++x) {
            if (in.alpha) {
                ASSERT_EQ(out.sample(x, y, in.channels - 1), in.sample(x, y, in.channels - 1)) << x << "," << y;
            }
            // Far from the wire nothing changes, not even a low byte.
            const bool far = std::abs((x - 12) * 53 - (y - 9) * 68) > 20 * 86;
            for (int32_t c = 0; c < in.colourChannels() && far; ++c)
                changedOutside += out.sample(x, y, c) != in.sample(x, y, c);
        }
    EXPECT_EQ(changedOutside, 0);
    EXPECT_GT(MeanOnWire(Colours(out)), MeanOnWire(Colours(in)) + 60);
}

INSTANTIATE_TEST_SUITE_P(Kinds, ImageFiles,
                         ::testing::Values(FileCase{"Grey16", 1, false, 16}, FileCase{"Rgb16", 3, false, 16},
                                           FileCase{"GreyAlpha16", 1, true, 16}, FileCase{"Rgba16", 3, true, 16},
                                           FileCase{"Rgba8", 3, true, 8}, FileCase{"GreyAlpha8", 1, true, 8}),
                         [](const ::testing::TestParamInfo<FileCase>& info) { return info.param.name; });

}  // namespace
