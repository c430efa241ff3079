#include <gtest/gtest.h>

#include <stb_image_write.h>

#include "FileIo.h"
#include "HostError.h"
#include "ImageFile.h"
#include "TestSupport.h"

namespace {

void AppendTo(void* context, void* data, int size) {
    auto* out = static_cast<Bytes*>(context);
    out->insert(out->end(), static_cast<uint8_t*>(data), static_cast<uint8_t*>(data) + size);
}

// A PNG with the given channels, written by the encoder directly.
Bytes Png(int w, int h, int channels, const Bytes& pixels) {
    Bytes out;
    stbi_write_png_to_func(AppendTo, &out, w, h, channels, pixels.data(), w * channels);
    return out;
}

TEST(ImageFile, LosslessFormatsRoundTripGreyAndRgb) {
    TempDir dir;
    for (int channels : {1, 3})
        for (const char* name : {"a.png", "a.TGA", channels == 3 ? "a.bmp" : "a.png"}) {
            Image image = PatternImage(13, 7, channels);
            WriteImage(dir / name, image);
            Image back = ReadImage(dir / name);
            EXPECT_EQ(back.channels, channels) << name;
            EXPECT_EQ(back.pixels, image.pixels) << name;
        }
    // BMP has no grey format: grey comes back as equal RGB channels.
    WriteImage(dir / "grey.bmp", PatternImage(13, 7, 1));
    Image grey = ReadImage(dir / "grey.bmp");
    ASSERT_EQ(grey.channels, 3);
    EXPECT_EQ(grey.at(5, 3, 0), PatternValue(5, 3, 0));
    EXPECT_EQ(grey.at(5, 3, 2), PatternValue(5, 3, 0));
    WriteImage(dir / "a.jpeg", PatternImage(13, 7, 3));
    EXPECT_EQ(ReadImage(dir / "a.jpeg").width, 13);
}

TEST(ImageFile, AlphaIsKeptAsTransparency) {
    TempDir dir;
    struct Case {
        int channels;
        Bytes pixels;
    };
    const Case cases[] = {{2, {10, 255, 20, 0, 30, 128}}, {4, {1, 2, 3, 255, 4, 5, 6, 128, 7, 8, 9, 0}}};
    for (const Case& c : cases) {
        WriteFileAtomically(dir / "in.png", Png(3, 1, c.channels, c.pixels));
        const Image image = ReadImage(dir / "in.png");
        EXPECT_TRUE(image.alpha) << c.channels;
        EXPECT_EQ(image.channels, c.channels);
        EXPECT_EQ(image.colourChannels(), c.channels - 1);
        EXPECT_EQ(image.pixels, c.pixels);
        for (const char* name : {"out.png", "out.tga"}) {
            WriteImage(dir / name, image);
            const Image back = ReadImage(dir / name);
            EXPECT_TRUE(back.alpha && back.pixels == c.pixels) << name << " " << c.channels;
        }
    }
}

// 16-bit samples as files hold them, 0..65535, in every PNG colour type.
TEST(ImageFile, SixteenBitPngsRoundTrip) {
    TempDir dir;
    const uint8_t colourTypes[] = {0, 4, 2, 6};  // grey, grey + alpha, RGB, RGBA
    for (const auto& [channels, alpha] : {std::pair{1, false}, {2, true}, {3, false}, {4, true}}) {
        Image image{5, 3, channels, Bytes(size_t(5 * 3 * channels * 2)), 16, alpha};
        for (int32_t y = 0; y < 3; ++y)
            for (int32_t x = 0; x < 5; ++x)
                for (int32_t c = 0; c < channels; ++c)
                    image.setSample(x, y, c, uint32_t(x * 13001 + y * 257 + c * 3) % 65536);
        image.setSample(4, 2, 0, 65535);
        // Colours that agree everywhere could be written as grey: they are not.
        for (int32_t y = 0; y < 3 && channels >= 3; ++y)
            for (int32_t x = 0; x < 5; ++x)
                for (int32_t c = 1; c < 3; ++c) image.setSample(x, y, c, image.sample(x, y, 0));
        WriteImage(dir / "deep.png", image);
        const Bytes file = ReadFile(dir / "deep.png", 1 << 20);
        ASSERT_GT(file.size(), 26u);
        EXPECT_EQ(file[24], 16) << "bit depth in the header";
        EXPECT_EQ(file[25], colourTypes[channels - 1]) << "colour type";
        const Image back = ReadImage(dir / "deep.png");
        EXPECT_EQ(back.depth, 16) << channels;
        EXPECT_EQ(back.alpha, alpha) << channels;
        EXPECT_EQ(back.pixels, image.pixels) << channels;
    }
}

// What a format cannot keep is refused before anything is written.
TEST(ImageFile, FormatsThatWouldLoseDepthOrAlphaAreRefused) {
    TempDir dir;
    Image deep{2, 2, 3, Bytes(24), 16, false};
    Image layer{2, 2, 4, Bytes(16), 8, true};
    Image cmyk{2, 2, 4, Bytes(16), 8, false};
    for (const char* name : {"a.jpg", "a.bmp", "a.tga"}) EXPECT_THROW(WriteImage(dir / name, deep), HostError) << name;
    for (const char* name : {"a.jpg", "a.bmp"}) EXPECT_THROW(WriteImage(dir / name, layer), HostError) << name;
    EXPECT_THROW(WriteImage(dir / "a.png", cmyk), HostError);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 0);
}

TEST(ImageFile, ClearErrorsForMissingAndNonImageFiles) {
    TempDir dir;
    EXPECT_THROW(ReadImage(dir / "missing.png"), HostError);
    EXPECT_THROW(ReadImage(dir.path()), HostError);
    WriteFileAtomically(dir / "text.png", Bytes{'h', 'e', 'l', 'l', 'o', ' ', 'w', 'o', 'r', 'l', 'd', '\n'});
    try {
        ReadImage(dir / "text.png");
        FAIL();
    } catch (const HostError& e) {
        EXPECT_NE(std::string(e.what()).find("not a supported image"), std::string::npos) << e.what();
    }
    EXPECT_THROW(CheckWritableFormat(dir / "out.gif"), HostError);
    EXPECT_THROW(CheckWritableFormat(dir / "out"), HostError);
}

TEST(ImageFile, FailedWriteLeavesNoFileBehind) {
    TempDir dir;
    EXPECT_THROW(WriteImage(dir / "no-such-folder" / "a.png", PatternImage(2, 2, 1)), HostError);
    WriteImage(dir / "a.png", PatternImage(2, 2, 1));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1) << "no temporary left";
}

}  // namespace
