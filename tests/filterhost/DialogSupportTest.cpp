// What the host gives a plug-in's dialogs: the web-page suite and the pixel
// maps that displayPixels draws.
#include <gtest/gtest.h>

#include "PixelMapImage.h"
#include "TestSupport.h"

namespace {

using BrowseUrlFn = SPErr(PI_CDECL*)(const char*);

// Acquires the file-list suite inside a call and opens each url through it.
std::vector<SPErr> Browse(Host& host, const std::vector<const char*>& urls) {
    std::vector<SPErr> results;
    InsidePluginCall(host, [&](FilterRecord& rec) {
        const void* suite = nullptr;
        ASSERT_EQ(rec.sSPBasic->AcquireSuite(kPSGetFileListSuite, kPSGetFileListSuiteVersion, &suite), kSPNoError);
        const BrowseUrlFn browse = static_cast<const PSGetFileListSuite4*>(suite)->BrowseUrl;
        for (const char* url : urls) results.push_back(browse(url));
        rec.sSPBasic->ReleaseSuite(kPSGetFileListSuite, kPSGetFileListSuiteVersion);
    });
    return results;
}

TEST(UrlBrowser, RecordsEveryAddressAndReportsWhetherItOpened) {
    HostOptions quiet;
    quiet.openBrowser = false;
    Host host(PatternImage(2, 2, 3), quiet);
    EXPECT_EQ(Browse(host, {"http://a.example", nullptr, "http://b.example"}),
              (std::vector<SPErr>{kSPNoError, kSPBadParameterError, kSPNoError}));
    EXPECT_EQ(host.browsedUrls(), (std::vector<std::string>{"http://a.example", "http://b.example"}));

    // Natively there is no browser to start: recorded, but reported as failed.
    Host browsing(PatternImage(2, 2, 3));
    EXPECT_NE(Browse(browsing, {"http://c.example"}).at(0), kSPNoError);
    EXPECT_EQ(browsing.browsedUrls().size(), 1u);
    EXPECT_EQ(browsing.basicSuite().outstanding(), 0);
}

// A 3 x 2 planar map at bounds (10, 20): sample = 10 * plane + 3 * row + col.
struct Planes {
    explicit Planes(int32 planes) : bytes(size_t(planes) * 6) {
        for (int32 p = 0; p < planes; ++p)
            for (int32 i = 0; i < 6; ++i) bytes[size_t(p * 6 + i)] = uint8_t(10 * p + i);
    }
    PSPixelMap map(int32 mode) {
        return {1, {10, 20, 12, 23}, mode, 3, 1, 6, bytes.data(), nullptr, nullptr, 0, 0};
    }
    std::vector<uint8_t> bytes;
};

TEST(PixelMap, ConvertsRgbAndGreyInsideTheBounds) {
    Planes planes(3);
    PixelMapImage image;
    std::string why;
    PSPixelMap rgb = planes.map(3);
    ASSERT_TRUE(ConvertPixelMap(rgb, {11, 21, 12, 23}, image, why)) << why;
    EXPECT_EQ(image.width, 2);
    EXPECT_EQ(image.height, 1);
    EXPECT_EQ(image.bgra, (std::vector<uint32_t>{0x040E18, 0x050F19}));
    // Cut to the bounds: only the top-left pixel remains.
    ASSERT_TRUE(ConvertPixelMap(planes.map(1), {0, 0, 11, 21}, image, why));
    EXPECT_EQ(image.bgra, (std::vector<uint32_t>{0x000000}));
}

TEST(PixelMap, MaskBlendsOverWhiteFromVersion1On) {
    Planes planes(1);
    uint8_t mask[6] = {255, 0, 128, 255, 255, 255};
    PSPixelMask pixelMask{nullptr, mask, 3, 1, 0};
    PSPixelMap grey = planes.map(1);
    grey.masks = &pixelMask;
    PixelMapImage image;
    std::string why;
    ASSERT_TRUE(ConvertPixelMap(grey, grey.bounds, image, why));
    EXPECT_EQ(image.bgra[0], 0x000000u);
    EXPECT_EQ(image.bgra[1], 0xFFFFFFu);
    EXPECT_EQ(image.bgra[2], 0x808080u);  // (2 * 128 + 255 * 127) / 255, rounded
    grey.version = 0;                     // no masks field yet
    ASSERT_TRUE(ConvertPixelMap(grey, grey.bounds, image, why));
    EXPECT_EQ(image.bgra[1], 0x010101u);
}

TEST(PixelMap, RefusesWhatItCannotRead) {
    Planes planes(3);
    PixelMapImage image;
    std::string why;
    PSPixelMap lab = planes.map(9);
    EXPECT_FALSE(ConvertPixelMap(lab, lab.bounds, image, why));
    EXPECT_NE(why.find("mode 9"), std::string::npos);
    PSPixelMap rgb = planes.map(3);
    EXPECT_FALSE(ConvertPixelMap(rgb, {100, 100, 110, 110}, image, why)) << "outside the bounds";
    rgb.baseAddr = nullptr;
    EXPECT_FALSE(ConvertPixelMap(rgb, rgb.bounds, image, why));
}

}  // namespace
