// The self-extractor's stub as a file, as Windows and Explorer read it: the
// address space it asks for, a manifest that keeps it unelevated (or, built
// with --elevate, asks for administrator rights) and in the system's look, a
// version block that names it, and an icon in the sizes Explorer shows.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <iterator>
#include <set>
#include <string>

#include "PeImage.h"
#include "VersionInfo.h"

namespace {

constexpr uint16_t kIconType = 3;        // RT_ICON
constexpr uint16_t kIconGroupType = 14;  // RT_GROUP_ICON
constexpr uint16_t kVersionType = 16;    // RT_VERSION
constexpr uint16_t kManifestType = 24;   // RT_MANIFEST
constexpr uint16_t kUsEnglish = 1033;

const PeImage& Stub() {
    static const PeImage exe = PeImage::Load(SFX_STUB_EXE);
    return exe;
}

// A self-extractor built from the stub with --elevate, around a one-file
// archive.
const PeImage& Elevated() {
    static const PeImage exe = [] {
        const std::filesystem::path dir = std::filesystem::path(::testing::TempDir()) / "sfxstub_elevated";
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir);
        const std::string d = "'" + dir.string() + "'";
        const std::string make = "echo text >" + d + "/a.txt && '" SEVENZIP_TOOL "' a -bso0 -bsp0 " + d + "/a.7z " +
                                 d + "/a.txt && '" SFXBUILD_EXE "' --elevate --stub '" SFX_STUB_EXE "' --module '" +
                                 std::string(SFX_MODULE_DLL) + "' " + d + "/a.7z " + d + "/elevated.exe";
        EXPECT_EQ(std::system(make.c_str()), 0) << make;
        return PeImage::Load(dir / "elevated.exe");
    }();
    return exe;
}

uint16_t U16At(const ByteVector& b, size_t at) { return uint16_t(b.at(at) | b.at(at + 1) << 8); }

uint32_t U32At(const ByteVector& b, size_t at) { return U16At(b, at) | uint32_t(U16At(b, at + 2)) << 16; }

uint32_t BigEndianU32At(const ByteVector& b, size_t at) {
    return uint32_t(b.at(at)) << 24 | uint32_t(b.at(at + 1)) << 16 | uint32_t(b.at(at + 2)) << 8 | b.at(at + 3);
}

// An icon image is a PNG, whose header chunk comes first, or a bitmap
// header; both begin with the width.
int IconImageWidth(const ByteVector& image) {
    static const uint8_t kPngSignature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    const bool png = image.size() >= 24 && std::equal(std::begin(kPngSignature), std::end(kPngSignature), image.begin());
    return png ? int(BigEndianU32At(image, 16)) : int32_t(U32At(image, 4));
}

}  // namespace

// A module's dictionary comes in one piece; a 32-bit program that says it
// handles addresses above 2 GB gets 4 GB on a 64-bit Windows.
TEST(Stub, UsesTheWholeAddressSpace) {
    constexpr uint16_t kLargeAddressAware = 0x0020;  // IMAGE_FILE_LARGE_ADDRESS_AWARE
    EXPECT_TRUE(Stub().characteristics() & kLargeAddressAware);
}

// What the manifest asks for besides the execution level.
void ExpectManifestKeepsTheRest(const std::string& text) {
    const struct {
        const char* what;
        const char* needle;
    } wanted[] = {
        {"common controls 6", R"(name="Microsoft.Windows.Common-Controls" version="6.0.0.0")"},
        {"DPI aware", ">true</dpiAware>"},
        {"long paths", ">true</longPathAware>"},
        {"Vista", "{e2011457-1546-43c5-a5fe-008deee3d3f0}"},
        {"7", "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}"},
        {"8", "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}"},
        {"8.1", "{1f676c76-80e1-4239-95bb-83d0f6d0da78}"},
        {"10 and 11", "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"},
    };
    for (const auto& w : wanted) EXPECT_NE(text.find(w.needle), std::string::npos) << w.what;
}

// The stub as built, and a self-extractor built with --elevate: the same
// manifest but for the execution level.
TEST(Stub, ManifestAsksForWhatTheProgramNeeds) {
    for (const bool elevated : {false, true}) {
        const std::optional<ByteVector> manifest =
            (elevated ? Elevated() : Stub()).resource(kManifestType, 1, kUsEnglish);
        ASSERT_TRUE(manifest.has_value()) << "no manifest 1 in US English";
        const std::string text(manifest->begin(), manifest->end());
        EXPECT_NE(text.find(elevated ? R"(level="requireAdministrator")" : R"(level="asInvoker")"), std::string::npos)
            << (elevated ? "no administrator rights asked for" : "an elevation prompt");
        EXPECT_EQ(text.find(elevated ? "asInvoker" : "requireAdministrator"), std::string::npos);
        ExpectManifestKeepsTheRest(text);
    }
}

TEST(Stub, VersionBlockNamesTheProduct) {
    const std::optional<ByteVector> block = Stub().resource(kVersionType, 1, kUsEnglish);
    ASSERT_TRUE(block.has_value());
    const VersionNode root = ParseVersionInfo(*block);
    const FixedFileInfo fixed = ParseFixedFileInfo(root.value);
    EXPECT_EQ(fixed.fileType, 1u) << "not an application";
    const std::string version = std::to_string(fixed.fileVersionMS >> 16) + "." +
                                std::to_string(fixed.fileVersionMS & 0xFFFF) + "." +
                                std::to_string(fixed.fileVersionLS >> 16);

    const VersionNode* strings = root.child("StringFileInfo");
    ASSERT_NE(strings, nullptr);
    const VersionNode* table = strings->child("040904B0");
    ASSERT_NE(table, nullptr);
    const struct {
        const char* key;
        std::string value;
    } wanted[] = {
        {"ProductName", "BR7ZSFX"},
        {"CompanyName", "Brindlepacker"},
        {"FileDescription", "Brindlepacker SFX self-extracting archive"},
        {"FileVersion", version},  // the text and the numbers from one place
        {"ProductVersion", version},
    };
    for (const auto& w : wanted) {
        ASSERT_NE(table->child(w.key), nullptr) << w.key;
        EXPECT_EQ(table->child(w.key)->textValue(), w.value) << w.key;
    }
}

// Explorer shows the first icon group; each of its entries names an icon
// image of the size it lists.
TEST(Stub, IconGroupOneHoldsTheSizesExplorerShows) {
    const std::optional<ByteVector> group = Stub().resource(kIconGroupType, 1, kUsEnglish);
    ASSERT_TRUE(group.has_value()) << "no icon group 1";
    ASSERT_GE(group->size(), 6u);
    EXPECT_EQ(U16At(*group, 2), 1) << "not an icon group";
    const uint16_t count = U16At(*group, 4);
    ASSERT_EQ(group->size(), 6u + 14u * count);
    std::set<int> sizes;
    for (uint16_t i = 0; i < count; ++i) {
        const size_t entry = 6 + 14 * size_t(i);
        const int width = group->at(entry), height = group->at(entry + 1);
        EXPECT_EQ(width, height);
        EXPECT_EQ(U16At(*group, entry + 6), 32) << "not 32-bit with alpha";
        const std::optional<ByteVector> image = Stub().resource(kIconType, U16At(*group, entry + 12), kUsEnglish);
        ASSERT_TRUE(image.has_value()) << "the image of entry " << i << " is missing";
        EXPECT_EQ(image->size(), U32At(*group, entry + 8));
        EXPECT_EQ(IconImageWidth(*image), width) << "the image is not the size its entry lists";
        sizes.insert(width);
    }
    for (int size : {16, 32, 48}) EXPECT_TRUE(sizes.count(size)) << size << " pixels missing";
}
