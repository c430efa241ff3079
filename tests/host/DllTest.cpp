// The Windows plug-ins as files: what a host sees before it calls anything.
// Their exports, the DLLs they need, the property list and terminology by
// which hosts find and script them, and their version block; the 32-bit and
// the 64-bit plug-in alike.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <set>

#include "BuiltDlls.h"
#include "PeImage.h"
#include "VersionInfo.h"
#include "WindowsSystemDlls.h"

namespace {

constexpr uint16_t kUsEnglish = 1033;
constexpr uint16_t kResourceId = 16000;
constexpr uint16_t kVersionType = 16;  // RT_VERSION
constexpr uint16_t kVersionId = 1;

// Little-endian bytes as the resources hold them.
class Writer {
public:
    Writer& u8(uint8_t v) {
        bytes.push_back(v);
        return *this;
    }
    Writer& u16(uint16_t v) { return u8(uint8_t(v)).u8(uint8_t(v >> 8)); }
    Writer& u32(uint32_t v) { return u16(uint16_t(v)).u16(uint16_t(v >> 16)); }
    // A four-character code as a 32-bit integer: its letters come out reversed.
    Writer& code(const char (&c)[5]) {
        return u32(uint32_t(uint8_t(c[0])) << 24 | uint32_t(uint8_t(c[1])) << 16 | uint32_t(uint8_t(c[2])) << 8 |
                   uint8_t(c[3]));
    }
    Writer& pstring(const std::string& s) {
        u8(uint8_t(s.size()));
        bytes.insert(bytes.end(), s.begin(), s.end());
        return *this;
    }
    Writer& cstring(const std::string& s) {
        bytes.insert(bytes.end(), s.begin(), s.end());
        return u8(0);
    }
    Writer& append(const ByteVector& more) {
        bytes.insert(bytes.end(), more.begin(), more.end());
        return *this;
    }

    ByteVector bytes;
};

// One property: vendor, key, identifier 0, the stated length, the data
// zero-filled to that length and then to a multiple of 4.
void Property(Writer& pipl, const char (&key)[5], uint32_t length, const Writer& data) {
    ASSERT_LE(data.bytes.size(), length) << key;
    ByteVector padded = data.bytes;
    padded.resize((length + 3) & ~3u, 0);
    pipl.code("8BIM").code(key).u32(0).u32(length).append(padded);
}

// The same list for either DLL but for the code property, which names the
// DLL's own architecture.
ByteVector ExpectedPipl(const char (&codeProperty)[5]) {
    Writer pipl;
    pipl.u16(1).u32(0).u32(10);
    Property(pipl, "kind", 4, Writer().code("8BFM"));
    Property(pipl, "name", 12, Writer().pstring("Linefix..."));
    Property(pipl, "catg", 12, Writer().pstring("Linefix"));
    Property(pipl, "vers", 4, Writer().u32(0x00040000));
    Property(pipl, codeProperty, 12, Writer().cstring("PluginMain"));
    Property(pipl, "mode", 4, Writer().u8(0x58).u8(0x7C));
    Property(pipl, "hstm", 56,
             Writer().u32(0).code("lnfx").code("lnfx").u16(16000).cstring("d9543b0c-1981-11d4-97bc-00b0d0204936"));
    Property(pipl, "enbl", 112,
             Writer().cstring("in (PSHOP_ImageMode, GrayScaleMode, RGBMode, CMYKMode, LabMode, Gray16Mode, RGB48Mode, "
                              "CMYK64Mode, Lab48Mode)"));
    Property(pipl, "ms32", 8, Writer().u32(2000000).u32(2000000));
    // Input and output handling, flags 1, flags 2 for each of the seven
    // cases: the flat image without selection is filtered with white matte,
    // a layer with transparency, editable or protected, without selection
    // as it is (handling 1); nothing with a selection.
    const uint8_t handling[7] = {4, 0, 0, 1, 0, 1, 0};
    const uint8_t flags1[7] = {0x06, 0x0E, 0x0E, 0x06, 0x0E, 0x06, 0x0E};
    Writer cases;
    for (int i = 0; i < 7; ++i) cases.u8(handling[i]).u8(handling[i]).u8(flags1[i]).u8(0);
    Property(pipl, "fici", 28, cases);
    return pipl.bytes;
}

ByteVector ExpectedAete() {
    Writer aete;
    aete.u16(1).u8(1).u8(0).u16(0).u16(0).u16(1);
    aete.pstring("Linefix").pstring("").code("lnfx").u16(1).u16(1).u16(1);
    aete.pstring("Linefix").pstring("Wires removing plugin").code("lnfx").code("lnfx");
    aete.code("null").pstring("").u16(0);
    aete.code("#ImR").pstring("").u16(0xB000);
    aete.u16(1);
    aete.pstring("wire area width").code("wawi").code("long").pstring("wire area width").u16(0);
    aete.u16(0).u16(0).u16(0);
    return aete.bytes;
}

struct PiplEntry {
    std::string key;
    ByteVector data;
};

// Walks the property list by each property's length; fails unless the walk
// ends exactly at the end of the resource.
std::vector<PiplEntry> WalkPipl(const ByteVector& pipl) {
    auto u32 = [&](size_t at) {
        if (at + 4 > pipl.size()) throw PeError("property list cut short at " + std::to_string(at));
        return uint32_t(pipl[at]) | uint32_t(pipl[at + 1]) << 8 | uint32_t(pipl[at + 2]) << 16 |
               uint32_t(pipl[at + 3]) << 24;
    };
    std::vector<PiplEntry> entries;
    size_t at = 10;
    for (uint32_t i = 0, count = u32(6); i < count; ++i) {
        const uint32_t key = u32(at + 4), length = u32(at + 12);
        const size_t data = at + 16;
        if (length > pipl.size() - std::min(data, pipl.size())) throw PeError("property data past the end");
        entries.push_back({{char(key >> 24), char(key >> 16), char(key >> 8), char(key)},
                           ByteVector(pipl.begin() + data, pipl.begin() + data + length)});
        at = data + ((length + 3) & ~size_t(3));
    }
    if (at != pipl.size()) throw PeError("the walk ends at " + std::to_string(at) + ", not at the end");
    return entries;
}

// Empty when equal; otherwise where the two first differ.
std::string Difference(const ByteVector& actual, const ByteVector& expected) {
    const auto [a, e] = std::mismatch(actual.begin(), actual.end(), expected.begin(), expected.end());
    if (a == actual.end() && e == expected.end()) return "";
    const size_t at = size_t(a - actual.begin());
    auto byte = [](ByteVector::const_iterator it, const ByteVector& v) {
        return it == v.end() ? std::string("end") : std::to_string(*it);
    };
    return "sizes " + std::to_string(actual.size()) + " and " + std::to_string(expected.size()) +
           "; first difference at byte " + std::to_string(at) + ": " + byte(a, actual) + " instead of " +
           byte(e, expected);
}

class Dll : public ::testing::TestWithParam<BuiltDll> {
protected:
    const PeImage& dll() const { return LoadedImage(GetParam()); }
};

TEST_P(Dll, IsALibraryForItsMachine) {
    EXPECT_EQ(dll().machine(), GetParam().machine);
    EXPECT_EQ(dll().isPe32(), GetParam().pe32);
    EXPECT_TRUE(dll().characteristics() & kImageFileDll);
}

// Hosts find the entry point by its plain name; the dialog procedure keeps
// the decorated name of its 32-bit calling convention in both DLLs.
TEST_P(Dll, ExportsTheEntryPointAndTheDialogProcedure) {
    const std::vector<PeExport> exports = dll().exports();
    std::set<std::string> names;
    for (const PeExport& e : exports) {
        names.insert(e.name);
        const PeSection* code = dll().sectionAt(e.rva);
        ASSERT_NE(code, nullptr) << e.name;
        EXPECT_TRUE(code->characteristics & kSectionExecutable) << e.name << " lies in " << code->name;
    }
    EXPECT_EQ(names, (std::set<std::string>{"PluginMain", "_LinefixProc@16"}));
    EXPECT_EQ(exports.size(), names.size());
}

TEST_P(Dll, ImportsOnlyWindowsSystemLibraries) {
    const std::vector<std::string> imports = dll().importedDlls();
    EXPECT_FALSE(imports.empty());
    for (const std::string& name : imports) EXPECT_TRUE(IsWindowsSystemDll(name)) << name << " is not shipped with Windows";
}

TEST_P(Dll, PropertyListIsLaidOutAsHostsReadIt) {
    const std::optional<ByteVector> pipl = dll().resource("PIPL", kResourceId, kUsEnglish);
    ASSERT_TRUE(pipl.has_value()) << "no PIPL 16000 in US English";
    EXPECT_EQ(Difference(*pipl, ExpectedPipl(GetParam().codeProperty)), "");

    const std::vector<PiplEntry> entries = WalkPipl(*pipl);
    ASSERT_EQ(entries.size(), 10u);
    const auto mode = std::find_if(entries.begin(), entries.end(), [](const PiplEntry& e) { return e.key == "mode"; });
    ASSERT_NE(mode, entries.end());
    // Mode n is bit 0x80 >> n % 8 of byte n / 8.
    std::set<int> modes;
    for (size_t n = 0; n < mode->data.size() * 8; ++n)
        if (mode->data[n / 8] & (0x80 >> n % 8)) modes.insert(int(n));
    EXPECT_EQ(modes, (std::set<int>{1, 3, 4, 9, 10, 11, 12, 13}))
        << "not grey, RGB, CMYK and Lab in 8 and 16 bits";
}

TEST_P(Dll, TerminologyDescribesTheWidthParameter) {
    const std::optional<ByteVector> aete = dll().resource("AETE", kResourceId, kUsEnglish);
    ASSERT_TRUE(aete.has_value()) << "no AETE 16000 in US English";
    EXPECT_EQ(Difference(*aete, ExpectedAete()), "");
}

TEST_P(Dll, VersionBlockNamesThePlugin) {
    const std::optional<ByteVector> block = dll().resource(kVersionType, kVersionId, kUsEnglish);
    ASSERT_TRUE(block.has_value());
    const VersionNode root = ParseVersionInfo(*block);
    EXPECT_EQ(root.key, "VS_VERSION_INFO");
    const FixedFileInfo fixed = ParseFixedFileInfo(root.value);
    EXPECT_EQ(fixed.signature, 0xFEEF04BDu);
    EXPECT_EQ(fixed.fileVersionMS, 0x00010000u);
    EXPECT_EQ(fixed.fileVersionLS, 0u);
    EXPECT_EQ(fixed.fileType, 2u) << "not a dynamic-link library";

    const VersionNode* strings = root.child("StringFileInfo");
    ASSERT_NE(strings, nullptr);
    const VersionNode* table = strings->child("040904B0");
    ASSERT_NE(table, nullptr);
    for (const char* key : {"FileVersion", "ProductVersion"}) {
        ASSERT_NE(table->child(key), nullptr) << key;
        EXPECT_EQ(table->child(key)->textValue(), "1.5") << key;
    }
    for (const char* key : {"FileDescription", "InternalName", "OriginalFilename", "ProductName"}) {
        ASSERT_NE(table->child(key), nullptr) << key;
        EXPECT_EQ(table->child(key)->textValue(), "Linefix Plug-In") << key;
    }

    const VersionNode* vars = root.child("VarFileInfo");
    ASSERT_NE(vars, nullptr);
    ASSERT_NE(vars->child("Translation"), nullptr);
    EXPECT_EQ(vars->child("Translation")->value, (ByteVector{0x09, 0x04, 0xB0, 0x04}));
}

// A 32-bit host calls PluginMain with the C convention and cleans up the
// arguments itself: the function must return with a plain ret, never ret 16.
// (x64 has one convention.)
class X86Dll : public Dll {};

TEST_P(X86Dll, PluginMainLeavesTheArgumentsToTheCaller) {
    const std::vector<PeSymbol> symbols = dll().symbols();
    const auto main = std::find_if(symbols.begin(), symbols.end(), [](const PeSymbol& s) {
        return s.section > 0 && s.name.rfind("_PluginMain", 0) == 0;
    });
    if (main == symbols.end()) GTEST_SKIP() << "the DLL carries no symbols";
    EXPECT_EQ(main->name, "_PluginMain") << "decorated as another calling convention";

    uint32_t end = UINT32_MAX;
    for (const PeSymbol& s : symbols)
        if (s.section == main->section && s.value > main->value) end = std::min(end, s.value);
    const PeSection& text = dll().sections().at(size_t(main->section - 1));
    end = std::min(end, text.virtualSize);
    const ByteVector body = dll().bytesAt(text.virtualAddress + main->value, end - main->value);

    bool plainReturn = false;
    for (size_t i = 1; i < body.size(); ++i) {
        if (i + 2 < body.size() && body[i] == 0xC2 && body[i + 1] == 0x10 && body[i + 2] == 0x00)
            ADD_FAILURE() << "ret 16 at +" << i;
        const uint8_t before = body[i - 1];
        const bool afterEpilogue = before == 0xC9 || (before >= 0x5B && before <= 0x5F) ||
                                   (i >= 3 && body[i - 3] == 0x83 && body[i - 2] == 0xC4);
        plainReturn |= body[i] == 0xC3 && afterEpilogue;
    }
    EXPECT_TRUE(plainReturn) << "no plain ret after a stack frame is taken down";
}

// A damaged file is refused with PeError wherever it is cut, never read past.
class PeReader : public Dll {};

TEST_P(PeReader, RefusesTruncatedCopies) {
    const ByteVector whole = dll().bytesAt(0, 0x200);
    ASSERT_THROW(PeImage(ByteVector(whole.begin(), whole.begin() + 0x3C)), PeError);
    const ByteVector file = [&] {
        std::ifstream in(GetParam().path, std::ios::binary);
        return ByteVector(std::istreambuf_iterator<char>(in), {});
    }();
    int refused = 0;
    for (size_t part = 1; part < 32; ++part) {
        const ByteVector cut(file.begin(), file.begin() + file.size() * part / 32);
        try {
            const PeImage image(cut);
            image.exports();
            image.importedDlls();
            image.resource("PIPL", kResourceId, kUsEnglish);
            image.resource(kVersionType, kVersionId, kUsEnglish);
            image.symbols();
        } catch (const PeError&) {
            ++refused;
        }
    }
    EXPECT_GT(refused, 0);
}

INSTANTIATE_TEST_SUITE_P(Built, Dll, ::testing::ValuesIn(BuiltDlls()), BuiltDllName());
INSTANTIATE_TEST_SUITE_P(Built, X86Dll, ::testing::ValuesIn(BuiltDllsFor(kMachineI386)), BuiltDllName());
INSTANTIATE_TEST_SUITE_P(Built, PeReader, ::testing::ValuesIn(BuiltDlls()), BuiltDllName());
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(X86Dll);

}  // namespace
