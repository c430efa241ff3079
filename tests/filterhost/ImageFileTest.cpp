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

TEST(ImageFile, DropsOpaqueAlphaAndRefusesTransparency) {
    TempDir dir;
    Bytes greyAlpha = {10, 255, 20, 255};
    WriteFileAtomically(dir / "ga.png", Png(2, 1, 2, greyAlpha));
    Image grey = ReadImage(dir / "ga.png");
    EXPECT_EQ(grey.channels, 1);
    EXPECT_EQ(grey.pixels, (Bytes{10, 20}));

    Bytes rgba = {1, 2, 3, 255, 4, 5, 6, 128};
    WriteFileAtomically(dir / "rgba.png", Png(2, 1, 4, rgba));
    EXPECT_THROW(ReadImage(dir / "rgba.png"), HostError);
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
