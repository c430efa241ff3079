// The payload behind the program's image: where each image ends by its PE
// headers (sound, built and damaged ones), and reading the language blocks
// and the settings block to find the archive.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <fstream>
#include <iterator>

#include "LanguageBlocks.h"
#include "PayloadError.h"
#include "PayloadLayout.h"
#include "PeImage.h"
#include "PeImageEnd.h"
#include "SettingsBlock.h"
#include "TestImages.h"

namespace {

uint64_t ImageEnd(const Bytes& file, uint64_t start = 0) {
    MemorySource source(file);
    return PeImageEnd(source, start);
}

Bytes FileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
}

Bytes SettingsBytes(const char* title) {
    SfxSettings settings{};
    std::memcpy(settings.signature, kSettingsSignature, 4);
    WriteSetting(settings.title, title);
    const auto* p = reinterpret_cast<const uint8_t*>(&settings);
    return Bytes(p, p + sizeof settings);
}

}  // namespace

TEST(PeImageEnd, TheLargestSectionEndAndAtLeastTheHeaders) {
    const struct {
        std::vector<TestSection> sections;
        uint64_t end;
    } cases[] = {
        {{}, kTestHeadersSize},
        {{{0x200, 0x400}, {0x600, 0x200}}, 0x800},
        {{{0x600, 0x200}, {0x200, 0x400}}, 0x800},  // the table's order does not matter
        {{{0x200, 0x200}, {0x900, 0}}, 0x400},      // uninitialised data takes no file bytes
    };
    for (const auto& c : cases) {
        const Bytes image = MakePeImage(c.sections);
        EXPECT_EQ(ImageEnd(image), c.end);
        // The same image behind another one, as the module lies behind the stub.
        const Bytes behind = Concat({Bytes(0x1234, 0x90), image, Bytes(77, 1)});
        EXPECT_EQ(ImageEnd(behind, 0x1234), c.end);
    }
}

TEST(PeImageEnd, DamagedHeadersAreRefused) {
    const Bytes sound = MakePeImage({{0x200, 0x200}});
    auto damaged = [&](auto change) {
        Bytes b = sound;
        change(b);
        return b;
    };
    const struct {
        const char* why;
        Bytes file;
    } cases[] = {
        {"empty", {}},
        {"truncated in the DOS header", Bytes(sound.begin(), sound.begin() + 40)},
        {"truncated in the PE header", Bytes(sound.begin(), sound.begin() + kTestPeHeader + 10)},
        {"truncated in the section table", Bytes(sound.begin(), sound.begin() + kTestSectionTable + 20)},
        {"no MZ", damaged([](Bytes& b) { b[0] = 'X'; })},
        {"no PE signature", damaged([](Bytes& b) { b[kTestPeHeader + 2] = 1; })},
        {"e_lfanew far out of range", damaged([](Bytes& b) { PutU32(b, 0x3C, 0xFFFFFFF0u); })},
        {"e_lfanew just short of the end", damaged([&](Bytes& b) { PutU32(b, 0x3C, uint32_t(sound.size() - 10)); })},
        {"a section beyond the file", damaged([](Bytes& b) { PutU32(b, kTestSectionTable + 16, 0x300); })},
        {"a section offset that wraps", damaged([](Bytes& b) { PutU32(b, kTestSectionTable + 20, 0xFFFFFF00u); })},
        {"headers past the file", damaged([](Bytes& b) { PutU32(b, kTestPeHeader + 24 + 60, 0x10000); })},
        {"a section table past the file", damaged([](Bytes& b) { PutU16(b, kTestPeHeader + 6, 60); })},
        {"too many sections", damaged([](Bytes& b) { PutU16(b, kTestPeHeader + 6, 0xFFFF); })},
        {"a short optional header", damaged([](Bytes& b) { PutU16(b, kTestPeHeader + 20, 8); })},
    };
    for (const auto& c : cases) EXPECT_THROW(ImageEnd(c.file), PayloadError) << c.why;
    EXPECT_THROW(ImageEnd(sound, sound.size() + 5), PayloadError) << "start past the end";
}

// A linker's image, read by the tests' own PE reader as well: the image ends
// where its last section ends (the plug-in keeps its symbol table after it).
TEST(PeImageEnd, AgreesWithThePeReaderOnABuiltImage) {
    const Bytes file = FileBytes(SFX_TEST_PE);
    if (file.empty()) GTEST_SKIP() << "no built Windows plug-in to read";
    uint64_t end = 0;
    const PeImage image(file);
    for (const PeSection& s : image.sections()) end = std::max<uint64_t>(end, s.rawOffset + s.rawSize);
    EXPECT_EQ(ImageEnd(file), end);
}

// The stub and the module must end where their images end: sfxbuild and the
// stub rely on it.
TEST(PeImageEnd, TheBuiltStubAndModuleEndWhereTheirFilesEnd) {
    int checked = 0;
    for (const char* path : {SFX_TEST_STUB, SFX_TEST_MODULE}) {
        const Bytes file = FileBytes(path);
        if (file.empty()) continue;
        EXPECT_EQ(ImageEnd(file), file.size()) << path;
        ++checked;
    }
    if (checked == 0) GTEST_SKIP() << "no built stub or module to check";
}

TEST(ReadPayload, FindsTheArchiveBehindBlocksAndSettings) {
    const Bytes stub = MakePeImage({{0x200, 0x600}}, 0x11);
    const Bytes module = MakePeImage({{0x200, 0x200}, {0x400, 0x100}}, 0x22);
    const Bytes blocks = Concat({LanguageBlock(std::string("BRL1first\0Cancel\0", 17)), LanguageBlock("other")});
    const Bytes settings = SettingsBytes("My setup");
    const Bytes archive = {'7', 'z', 0xBC, 0xAF, 0x27, 0x1C, 0, 4};
    const struct {
        const char* what;
        Bytes file;
        uint64_t archiveAt;  // after the module
        uint8_t blockCount;
        bool signature;
        std::string title;
    } cases[] = {
        {"blocks and settings", Concat({stub, module, blocks, settings, archive}), blocks.size() + 832, 2, true,
         "My setup"},
        {"no language blocks", Concat({stub, module, settings, archive}), 832, 0, true, "My setup"},
        {"ends right after the module", Concat({stub, module}), 832, 0, false, ""},
        // The missing rest reads as zeros.
        {"ends inside the settings", Concat({stub, module, Bytes(settings.begin(), settings.begin() + 521)}), 832, 0,
         true, std::string("My\0\0\0\0\0\0", 8)},
    };
    for (const auto& c : cases) {
        messageTable = {};
        languageBlockCount = 0;
        MemorySource exe(c.file);
        const PayloadLayout layout = LocatePayload(exe);
        EXPECT_EQ(layout.moduleOffset, stub.size()) << c.what;
        EXPECT_EQ(layout.moduleLength, module.size()) << c.what;
        SfxSettings read{};
        const uint64_t archiveOffset = ReadLanguagesAndSettings(exe, layout.languageBlocksOffset, read);
        EXPECT_EQ(archiveOffset, stub.size() + module.size() + c.archiveAt) << c.what;
        EXPECT_EQ(languageBlockCount, c.blockCount) << c.what;
        EXPECT_EQ(HasSettingsSignature(read), c.signature) << c.what;
        EXPECT_EQ(ReadSetting(read.title), c.title) << c.what;
    }
    EXPECT_EQ(messageTable[0][1], "");  // the last case read no block
    messageTable = {};
    languageBlockCount = 0;
}
