// The Windows plug-ins' dialog templates and toolbar images, read from each
// DLL as the dialog manager reads them.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <map>
#include <cstring>

#include "BuiltDlls.h"
#include "DialogTemplate.h"
#include "PeImage.h"

namespace {

constexpr uint16_t kUsEnglish = 1033;
constexpr uint16_t kDialogType = 5;  // RT_DIALOG
constexpr uint16_t kBitmapType = 2;  // RT_BITMAP
constexpr uint32_t kDialogStyle = 0x80C000C0;
const std::string kButton = "button", kStatic = "static", kScrollBar = "scrollbar";

// Templates name a predefined class by number or by name, and the dialog
// manager matches names regardless of case.
std::string ClassName(std::string name) {
    static const std::map<std::string, std::string> predefined = {
        {"#128", kButton}, {"#130", kStatic}, {"#132", kScrollBar}};
    if (auto it = predefined.find(name); it != predefined.end()) return it->second;
    std::transform(name.begin(), name.end(), name.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    return name;
}

using Place = std::array<int16_t, 4>;  // x, y, width, height in dialog units

template <class T>
Place PlaceOf(const T& t) {
    return {t.x, t.y, t.cx, t.cy};
}

class DialogResource : public ::testing::TestWithParam<BuiltDll> {
protected:
    DialogTemplate dialog(const ResourceKey& name) const {
        const std::optional<ByteVector> bytes = LoadedImage(GetParam()).resource(kDialogType, name, kUsEnglish);
        if (!bytes) throw std::runtime_error("no such dialog in US English");
        return ParseDialogTemplate(*bytes);
    }
};

void ExpectControls(const DialogTemplate& d, const std::vector<DialogControl>& expected) {
    ASSERT_EQ(d.controls.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        const DialogControl &got = d.controls[i], &want = expected[i];
        SCOPED_TRACE("control " + std::to_string(i));
        EXPECT_EQ(got.id, want.id);
        EXPECT_EQ(ClassName(got.windowClass), want.windowClass);
        EXPECT_EQ(got.style, want.style);
        EXPECT_EQ(PlaceOf(got), PlaceOf(want));
    }
}

TEST_P(DialogResource, WireDialogHasTheFrameLabelScrollBarsAndTrackbar) {
    const DialogTemplate d = dialog("LINEFIXDIALOG");
    EXPECT_EQ(d.style, kDialogStyle);
    EXPECT_EQ(PlaceOf(d), (Place{34, 40, 418, 258}));
    EXPECT_EQ(d.caption.rfind("Linefix", 0), 0u) << d.caption;
    EXPECT_EQ(d.font, "MS Sans Serif");
    EXPECT_EQ(d.pointSize, 8);
    ExpectControls(d, {{5, kStatic, 0x40020001, 3, 31, 400, 213},
                       {4, kStatic, 0x50020000, 4, 7, 60, 16},
                       {1009, kScrollBar, 0x50000001, 404, 31, 10, 215},
                       {1010, kScrollBar, 0x50000000, 3, 245, 400, 11},
                       {3, "msctls_trackbar32", 0x50010018, 62, 3, 100, 15}});
}

TEST_P(DialogResource, AboutBoxHasHiddenKeyTargetsTextAndWebButton) {
    const DialogTemplate d = dialog(16000);
    EXPECT_EQ(d.style, kDialogStyle);
    EXPECT_EQ(PlaceOf(d), (Place{0, 0, 189, 74}));
    EXPECT_EQ(d.caption, "");
    EXPECT_EQ(d.font, "MS Sans Serif");
    ExpectControls(d, {{1, kButton, 0x48010001, 171, 7, 11, 14},
                       {2, kButton, 0x48010000, 172, 24, 10, 14},
                       {3, kStatic, 0x50020001, 16, 7, 148, 47},
                       {4, kButton, 0x50010000, 47, 55, 89, 13}});
}

struct Rgb {
    uint8_t r, g, b;
};

// The toolbar strip: four 16 x 16 images, 24-bit, on the mask colour.
class ToolbarBitmap : public ::testing::TestWithParam<BuiltDll> {
protected:
    void SetUp() override {
        const std::optional<ByteVector> bytes = LoadedImage(GetParam()).resource(kBitmapType, 109, kUsEnglish);
        ASSERT_TRUE(bytes.has_value()) << "no bitmap 109";
        ASSERT_GE(bytes->size(), 40u);
        bits_ = *bytes;
        std::memcpy(&header_, bits_.data(), sizeof header_);
        ASSERT_EQ(header_.size, 40u);
        ASSERT_EQ(header_.width, 64);
        ASSERT_EQ(std::abs(header_.height), 16);
        ASSERT_EQ(header_.bitCount, 24);
        ASSERT_EQ(header_.compression, 0u);
        ASSERT_GE(bits_.size(), 40u + 16u * kRowBytes);
    }

    // Row 0 is the top whichever way the strip is stored.
    Rgb pixel(int x, int y) const {
        const int row = header_.height > 0 ? 15 - y : y;
        const size_t at = 40 + size_t(row) * kRowBytes + size_t(x) * 3;
        return {bits_[at + 2], bits_[at + 1], bits_[at]};
    }

    static bool IsMask(Rgb c) { return c.r == 0xC0 && c.g == 0xC0 && c.b == 0xC0; }

    // Counts the image's pixels that are not the mask colour and those of a
    // clearly dominant channel, and the dark ones.
    struct Census {
        int drawn = 0, red = 0, green = 0, dark = 0;
    };
    Census census(int image) const {
        Census c;
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x) {
                const Rgb p = pixel(image * 16 + x, y);
                if (IsMask(p)) continue;
                ++c.drawn;
                c.red += p.r > 150 && p.g < 100 && p.b < 100;
                c.green += p.g > 100 && p.r < 100 && p.b < 100;
                c.dark += p.r < 80 && p.g < 80 && p.b < 80;
            }
        return c;
    }

    static constexpr size_t kRowBytes = 64 * 3;  // already a multiple of 4
    struct {
        uint32_t size;
        int32_t width, height;
        uint16_t planes, bitCount;
        uint32_t compression;
    } header_{};
    ByteVector bits_;
};

TEST_P(ToolbarBitmap, FourImagesOnTheMaskColour) {
    for (int image = 0; image < 4; ++image) {
        SCOPED_TRACE("image " + std::to_string(image));
        EXPECT_TRUE(IsMask(pixel(image * 16, 0))) << "the corner is the background";
        const Census c = census(image);
        EXPECT_GT(c.drawn, 20);
        EXPECT_LT(c.drawn, 200) << "the background must show around the symbol";
    }
    EXPECT_GT(census(2).red, 15) << "cancel is a red cross";
    EXPECT_GT(census(3).green, 15) << "OK is a green tick";
    EXPECT_EQ(census(0).red + census(1).red, 0);
}

// The two magnifiers differ by the plus sign's dark vertical stroke.
TEST_P(ToolbarBitmap, ZoomImagesDifferByThePlusStroke) {
    EXPECT_EQ(census(0).drawn, census(1).drawn);
    EXPECT_GT(census(0).dark, census(1).dark + 3);
}

INSTANTIATE_TEST_SUITE_P(Built, DialogResource, ::testing::ValuesIn(BuiltDlls()), BuiltDllName());
INSTANTIATE_TEST_SUITE_P(Built, ToolbarBitmap, ::testing::ValuesIn(BuiltDlls()), BuiltDllName());

}  // namespace
