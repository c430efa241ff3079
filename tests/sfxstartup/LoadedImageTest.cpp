// The program's file against the image the loader mapped: laid out by
// sections, moved by its relocations, compared where the program cannot
// write. The loaded images are written out by hand here.
#include <gtest/gtest.h>

#include <functional>

#include "LoadedImage.h"
#include "PayloadError.h"
#include "TestImages.h"

namespace {

constexpr uint64_t kPreferredBase = 0x400000;
constexpr uint32_t kImageSize = 0x3000;
constexpr uint32_t kCodeAt = 0x1000;          // .text: raw 0x200..0x400, read-only
constexpr uint32_t kDataAt = 0x2000;          // .data: raw 0x400..0x500, writable
constexpr uint32_t kAddressAt = kCodeAt + 0x10;    // an absolute address in the code
constexpr uint32_t kRelocationsAt = kCodeAt + 0x100;
constexpr uint32_t kImportTableAt = kCodeAt + 0x180;  // 8 bytes the loader fills

struct Image {
    Bytes file;
    Bytes loaded;  // as mapped at kPreferredBase
    int bitness;
    uint32_t optional() const { return kTestPeHeader + 24; }
    uint32_t imageBaseField() const { return optional() + (bitness == 64 ? 24 : 28); }
    uint32_t directory(int index) const { return optional() + (bitness == 64 ? 112 : 96) + 8 * index; }
};

void PutN(Bytes& bytes, size_t at, uint64_t value, int n) {
    for (int i = 0; i < n; ++i) bytes[at + i] = uint8_t(value >> (8 * i));
}

Image MakeImage(int bitness, unsigned relocationType) {
    Image image{MakePeImage({{0x200, 0x200}, {0x400, 0x100}}, 0x90, bitness), {}, bitness};
    Bytes& f = image.file;
    const int word = bitness == 64 ? 8 : 4;
    PutN(f, image.imageBaseField(), kPreferredBase, word);
    PutU32(f, image.optional() + 56, kImageSize);
    PutU32(f, image.optional() + (bitness == 64 ? 108 : 92), 16);
    PutU32(f, image.directory(5), kRelocationsAt);
    PutU32(f, image.directory(5) + 4, 12);
    PutU32(f, image.directory(12), kImportTableAt);
    PutU32(f, image.directory(12) + 4, 8);
    const uint32_t sections[][4] = {{0x200, kCodeAt, 0x200, 0x60000020}, {0x100, kDataAt, 0x100, 0xC0000040}};
    for (int i = 0; i < 2; ++i) {
        const size_t header = kTestSectionTable + 40 * i;
        PutU32(f, header + 8, sections[i][0]);
        PutU32(f, header + 12, sections[i][1]);
        PutU32(f, header + 36, sections[i][3]);
    }
    // .text holds the address kPreferredBase + 0x1234 and a block of two
    // relocations: that address and a padding entry.
    const auto inFile = [](uint32_t rva) { return 0x200 + (rva - kCodeAt); };
    PutN(f, inFile(kAddressAt), kPreferredBase + 0x1234, word);
    PutU32(f, inFile(kRelocationsAt), kCodeAt);
    PutU32(f, inFile(kRelocationsAt) + 4, 12);
    PutU16(f, inFile(kRelocationsAt) + 8, uint16_t(relocationType << 12 | (kAddressAt - kCodeAt)));
    PutU16(f, inFile(kRelocationsAt) + 10, 0);

    Bytes& m = image.loaded;
    m.assign(kImageSize, 0);
    std::copy(f.begin(), f.begin() + kTestHeadersSize, m.begin());
    std::copy(f.begin() + 0x200, f.begin() + 0x400, m.begin() + kCodeAt);
    std::copy(f.begin() + 0x400, f.begin() + 0x500, m.begin() + kDataAt);
    return image;
}

// The loader's move of the image: its address field and the relocated word.
void Move(Image& image, uint64_t base) {
    const int word = image.bitness == 64 ? 8 : 4;
    PutN(image.loaded, image.imageBaseField(), base, word);
    PutN(image.loaded, kAddressAt, base + 0x1234, word);
}

bool Matches(Image& image, uint64_t base) {
    MemorySource file(image.file);
    return IsLoadedImage(file, LoadedImage{image.loaded.data(), image.loaded.size(), base});
}

}  // namespace

TEST(LoadedImage, TheFileMustGiveTheImageInEveryPlaceTheProgramCannotWrite) {
    const uint64_t moved = 0x7FF612340000;
    const struct {
        const char* what;
        int bitness;
        uint64_t base;
        std::function<void(Image&)> change;
        bool matches;
    } cases[] = {
        {"as mapped", 32, kPreferredBase, [](Image&) {}, true},
        {"as mapped", 64, kPreferredBase, [](Image&) {}, true},
        {"moved", 32, 0x10000000, [](Image& i) { Move(i, 0x10000000); }, true},
        {"moved high", 64, moved, [&](Image& i) { Move(i, moved); }, true},
        {"moved without relocating", 32, 0x10000000, [](Image& i) { PutU32(i.loaded, i.imageBaseField(), 0x10000000); }, false},
        {"code changed", 32, kPreferredBase, [](Image& i) { i.file[0x250] ^= 1; }, false},
        {"code changed", 64, kPreferredBase, [](Image& i) { i.file[0x3FF] ^= 1; }, false},
        {"headers changed", 32, kPreferredBase, [](Image& i) { i.file[kTestSectionTable + 1] ^= 1; }, false},
        {"data written", 32, kPreferredBase, [](Image& i) { i.loaded[kDataAt + 5] ^= 1; }, true},
        {"imports filled", 64, kPreferredBase, [](Image& i) { PutU32(i.loaded, kImportTableAt + 4, 0x77AA0010); }, true},
        {"after the imports", 64, kPreferredBase, [](Image& i) { i.loaded[kImportTableAt + 8] ^= 1; }, false},
        {"image size", 32, kPreferredBase, [](Image& i) { i.loaded.resize(kImageSize + 0x1000); }, false},
    };
    for (const auto& c : cases) {
        Image image = MakeImage(c.bitness, c.bitness == 64 ? 10 : 3);
        c.change(image);
        EXPECT_EQ(Matches(image, c.base), c.matches) << c.what << ", " << c.bitness << "-bit";
    }
}

TEST(LoadedImage, RelocationsItCannotApplyMatchNothing) {
    Image unknownKind = MakeImage(32, 5);
    EXPECT_FALSE(Matches(unknownKind, 0x10000000));
    EXPECT_TRUE(Matches(unknownKind, kPreferredBase)) << "not moved, nothing to apply";

    Image cutBlock = MakeImage(32, 3);
    PutU32(cutBlock.file, 0x200 + 0x104, 0x40);
    EXPECT_THROW(Matches(cutBlock, 0x10000000), PayloadError);

    Image outside = MakeImage(32, 3);
    PutU32(outside.file, 0x200 + 0x100, kImageSize);
    EXPECT_THROW(Matches(outside, 0x10000000), PayloadError);
}

TEST(LoadedImage, SectionsOutsideTheImageOrFileAreRefused) {
    Image beyondImage = MakeImage(64, 10);
    PutU32(beyondImage.file, kTestSectionTable + 40 + 12, kImageSize);
    EXPECT_THROW(Matches(beyondImage, kPreferredBase), PayloadError);

    Image beyondFile = MakeImage(32, 3);
    PutU32(beyondFile.file, kTestSectionTable + 40 + 20, 0x10000);
    EXPECT_THROW(Matches(beyondFile, kPreferredBase), PayloadError);
}
