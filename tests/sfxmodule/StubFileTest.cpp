// The self-extractor's stubs as files, as Windows and Explorer read them: the
// address space each asks for, a manifest that keeps it unelevated (or, built
// with --elevate, asks for administrator rights) and in the system's look, a
// version block that names it, and an icon in the sizes Explorer shows; and
// as the start-up reads a self-extractor made of each, signed afterwards: its
// own image's end, the payload's seal and the archive's end at the
// signature's table, from 32-bit and 64-bit headers alike.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <iterator>
#include <set>
#include <string>

#include "ArchiveEnd.h"
#include "BuiltPairs.h"
#include "PayloadLayout.h"
#include "PayloadSeal.h"
#include "PeHeaders.h"
#include "PeImageEnd.h"
#include "PeImage.h"
#include "VersionInfo.h"

namespace fs = std::filesystem;

namespace {

constexpr uint16_t kIconType = 3;        // RT_ICON
constexpr uint16_t kIconGroupType = 14;  // RT_GROUP_ICON
constexpr uint16_t kVersionType = 16;    // RT_VERSION
constexpr uint16_t kManifestType = 24;   // RT_MANIFEST
constexpr uint16_t kUsEnglish = 1033;

ByteVector FileBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return ByteVector(std::istreambuf_iterator<char>(in), {});
}

class Stub : public testing::TestWithParam<BuiltPair> {
protected:
    void SetUp() override {
        dir_ = fs::path(::testing::TempDir()) /
               ("sfxstub_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        stub_ = PeImage::Load(GetParam().stub);
    }
    void TearDown() override { fs::remove_all(dir_); }

    const PeImage& StubImage() const { return *stub_; }

    // A self-extractor made by sfxbuild of this pair around a one-file
    // archive, with the options given.
    fs::path Built(const std::string& options, const std::string& name) const {
        const std::string d = "'" + dir_.string() + "'";
        const std::string make = "echo text >" + d + "/a.txt && '" SEVENZIP_TOOL "' a -bso0 -bsp0 " + d + "/a.7z " +
                                 d + "/a.txt >/dev/null && '" SFXBUILD_EXE "' " + options + " --stub '" +
                                 GetParam().stub + "' --module '" + GetParam().module + "' " + d + "/a.7z " + d + "/" +
                                 name;
        EXPECT_EQ(std::system(make.c_str()), 0) << make;
        return dir_ / name;
    }

    // The file signed with a throwaway code-signing certificate.
    fs::path Signed(const fs::path& unsigned_) const {
        const std::string d = "'" + dir_.string() + "'";
        const std::string sign =
            "'" OPENSSL "' req -x509 -newkey rsa:2048 -nodes -days 2 -subj '/CN=BR7ZSFX test signer' "
            "-keyout " + d + "/key.pem -out " + d + "/cert.pem 2>/dev/null && '" OSSLSIGNCODE "' sign -certs " + d +
            "/cert.pem -key " + d + "/key.pem -h sha256 -in '" + unsigned_.string() + "' -out " + d +
            "/signed.exe >/dev/null";
        EXPECT_EQ(std::system(sign.c_str()), 0) << sign;
        return dir_ / "signed.exe";
    }

    fs::path dir_;

private:
    std::optional<PeImage> stub_;
};

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
// handles addresses above 2 GB gets 4 GB on a 64-bit Windows, a 64-bit one
// all there is.
TEST_P(Stub, UsesTheWholeAddressSpace) {
    constexpr uint16_t kLargeAddressAware = 0x0020;  // IMAGE_FILE_LARGE_ADDRESS_AWARE
    EXPECT_EQ(StubImage().machine(), GetParam().machine);
    EXPECT_TRUE(StubImage().characteristics() & kLargeAddressAware);
}

// The start-up's readers over a self-extractor of this stub, before and after
// it is signed: the image ends where the module starts, the seal holds, and
// the archive ends where the signature's table starts.
TEST_P(Stub, StartupReadsItsOwnHeaders) {
    const fs::path built = Built("", "plain.exe");
    const ByteVector plain = FileBytes(built), archive = FileBytes(dir_ / "a.7z");
    const ByteVector signedFile = FileBytes(Signed(built));
    ASSERT_GT(signedFile.size(), plain.size());
    const uint64_t stubSize = fs::file_size(GetParam().stub), moduleSize = fs::file_size(GetParam().module);
    for (const ByteVector* file : {&plain, &signedFile}) {
        SCOPED_TRACE(file == &plain ? "unsigned" : "signed");
        MemorySource exe(*file);
        EXPECT_EQ(PeBitness(ReadPeHeaders(exe, 0)), GetParam().machine == kMachineI386 ? 32 : 64);
        EXPECT_EQ(PeImageEnd(exe, 0), stubSize);
        const PayloadLayout layout = LocatePayload(exe);
        EXPECT_EQ(layout.moduleOffset, stubSize);
        EXPECT_EQ(layout.moduleLength, moduleSize);
        EXPECT_NO_THROW(VerifyPayloadSeal(exe));
        const uint64_t archiveAt = plain.size() - archive.size();
        const uint64_t end = ArchiveEnd(exe, archiveAt);
        EXPECT_TRUE(std::equal(archive.begin(), archive.end(), file->begin() + long(archiveAt)));
        if (file == &plain) {
            EXPECT_EQ(end, plain.size());
            continue;
        }
        // The signing tool pads the file to eight bytes, then appends its
        // table: one certificate entry, as long as the rest of the file.
        ASSERT_GE(end, plain.size()) << "the archive is cut short";
        EXPECT_LE(end - plain.size(), 7u);
        ASSERT_LE(end + 8, signedFile.size());
        EXPECT_EQ(U32At(signedFile, end), signedFile.size() - end) << "the entry's length";
        EXPECT_EQ(U16At(signedFile, end + 4), 0x0200) << "WIN_CERT_REVISION_2_0";
        EXPECT_EQ(U16At(signedFile, end + 6), 0x0002) << "WIN_CERT_TYPE_PKCS_SIGNED_DATA";
    }
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
TEST_P(Stub, ManifestAsksForWhatTheProgramNeeds) {
    const PeImage elevatedImage = PeImage::Load(Built("--elevate", "elevated.exe"));
    for (const bool elevated : {false, true}) {
        const std::optional<ByteVector> manifest =
            (elevated ? elevatedImage : StubImage()).resource(kManifestType, 1, kUsEnglish);
        ASSERT_TRUE(manifest.has_value()) << "no manifest 1 in US English";
        const std::string text(manifest->begin(), manifest->end());
        EXPECT_NE(text.find(elevated ? R"(level="requireAdministrator")" : R"(level="asInvoker")"), std::string::npos)
            << (elevated ? "no administrator rights asked for" : "an elevation prompt");
        EXPECT_EQ(text.find(elevated ? "asInvoker" : "requireAdministrator"), std::string::npos);
        ExpectManifestKeepsTheRest(text);
        const std::string processor = GetParam().machine == kMachineI386 ? "x86" : "amd64";
        EXPECT_NE(text.find("processorArchitecture=\"" + processor + "\" publicKeyToken"), std::string::npos)
            << "common controls for another processor";
    }
}

TEST_P(Stub, VersionBlockNamesTheProduct) {
    const std::optional<ByteVector> block = StubImage().resource(kVersionType, 1, kUsEnglish);
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
TEST_P(Stub, IconGroupOneHoldsTheSizesExplorerShows) {
    const std::optional<ByteVector> group = StubImage().resource(kIconGroupType, 1, kUsEnglish);
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
        const std::optional<ByteVector> image = StubImage().resource(kIconType, U16At(*group, entry + 12), kUsEnglish);
        ASSERT_TRUE(image.has_value()) << "the image of entry " << i << " is missing";
        EXPECT_EQ(image->size(), U32At(*group, entry + 8));
        EXPECT_EQ(IconImageWidth(*image), width) << "the image is not the size its entry lists";
        sizes.insert(width);
    }
    for (int size : {16, 32, 48}) EXPECT_TRUE(sizes.count(size)) << size << " pixels missing";
}

INSTANTIATE_TEST_SUITE_P(Built, Stub, testing::ValuesIn(BuiltPairs()), PairName);
