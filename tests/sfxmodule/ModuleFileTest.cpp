// The 7-Zip extraction modules as files, as the self-extractors load them: a
// DLL of its stub's processor, x86 or x64, whose exports are found by their
// plain names, that needs nothing but Windows itself, and that two builds
// make alike.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <set>
#include <string>

#include "BuiltPairs.h"
#include "PeImage.h"
#include "WindowsSystemDlls.h"

namespace {

class ExtractionModule : public testing::TestWithParam<BuiltPair> {
protected:
    void SetUp() override { module_ = PeImage::Load(GetParam().module); }
    const PeImage& Module() const { return *module_; }

private:
    std::optional<PeImage> module_;
};

uint32_t U32At(const ByteVector& bytes, size_t at) {
    return uint32_t(bytes.at(at)) | uint32_t(bytes.at(at + 1)) << 8 | uint32_t(bytes.at(at + 2)) << 16 |
           uint32_t(bytes.at(at + 3)) << 24;
}

TEST_P(ExtractionModule, IsALibraryOfItsStubsProcessor) {
    EXPECT_EQ(Module().machine(), GetParam().machine);
    EXPECT_EQ(Module().isPe32(), GetParam().machine == kMachineI386);
    EXPECT_TRUE(Module().characteristics() & kImageFileDll);
}

// The self-extractor looks up CreateObject by name; the module-definition
// file keeps every export undecorated, in code.
TEST_P(ExtractionModule, ExportsItsFunctionsUndecorated) {
    const std::set<std::string> expected = {
        "CreateObject",       "GetHandlerProperty", "GetNumberOfFormats", "GetHandlerProperty2", "GetIsArc",
        "GetNumberOfMethods", "GetMethodProperty",  "CreateDecoder",      "CreateEncoder",       "GetHashers",
        "SetCodecs",          "SetLargePageMode",   "SetLargePageMode2",  "SetCaseSensitive",    "GetModuleProp"};
    std::set<std::string> names;
    for (const PeExport& e : Module().exports()) {
        names.insert(e.name);
        const PeSection* code = Module().sectionAt(e.rva);
        ASSERT_NE(code, nullptr) << e.name;
        EXPECT_TRUE(code->characteristics & kSectionExecutable) << e.name << " lies in " << code->name;
    }
    EXPECT_EQ(names, expected);
}

// Statically linked: a build that needs the compiler's run-time DLLs
// (libwinpthread-1.dll, libstdc++-6.dll, libgcc_s_*.dll) fails to load on a
// machine without MinGW.
TEST_P(ExtractionModule, ImportsOnlyWindowsSystemLibraries) {
    const std::vector<std::string> imports = Module().importedDlls();
    EXPECT_FALSE(imports.empty());
    for (const std::string& dll : imports) EXPECT_TRUE(IsWindowsSystemDll(dll)) << dll << " is not part of Windows";
}

// Linked with the compiler's Windows-threads run-time and a terminate handler
// of the program's own: the POSIX-threads library registers a vectored
// exception handler that sees every exception of the process, and the
// library's own handler brings a demangler and a printf formatter along.
TEST_P(ExtractionModule, CarriesNeitherThePosixThreadsLibraryNorTheDemangler) {
    const std::vector<std::string> functions = Module().importedFunctions();
    ASSERT_NE(std::find(functions.begin(), functions.end(), "CreateEventW"), functions.end())
        << "the import table was not read";
    for (const char* name : {"AddVectoredExceptionHandler", "RemoveVectoredExceptionHandler", "printf", "fprintf"})
        EXPECT_EQ(std::find(functions.begin(), functions.end(), name), functions.end()) << name << " is imported";
    for (const PeSection& s : Module().sections()) {
        if (s.characteristics & kSectionExecutable) continue;
        const ByteVector data = Module().bytesAt(s.virtualAddress, std::min(s.virtualSize, s.rawSize));
        for (const std::string text : {"pthread_mutex_lock", "terminate called after throwing"})
            EXPECT_EQ(std::search(data.begin(), data.end(), text.begin(), text.end()), data.end())
                << "\"" << text << "\" in " << s.name;
    }
}

// Stripped and without a link time, so that two builds give the same bytes.
TEST_P(ExtractionModule, CarriesNoSymbolsAndNoTimeStamp) {
    EXPECT_TRUE(Module().symbols().empty());
    const ByteVector dosHeader = Module().bytesAt(0, 0x40);
    const uint32_t peHeader = U32At(dosHeader, 0x3C);
    EXPECT_EQ(U32At(Module().bytesAt(peHeader + 8, 4), 0), 0u) << "the COFF header carries a time stamp";
}

// The bundle leaves the Deflate64 decoder out; ours adds it, and the codec
// table names it.
TEST_P(ExtractionModule, NamesTheDeflate64Decoder) {
    bool found = false;
    for (const PeSection& s : Module().sections()) {
        if (s.characteristics & kSectionExecutable) continue;
        const ByteVector data = Module().bytesAt(s.virtualAddress, std::min(s.virtualSize, s.rawSize));
        const std::string name = "Deflate64";
        const auto at = std::search(data.begin(), data.end(), name.begin(), name.end());
        found |= at != data.end() && at + ptrdiff_t(name.size()) != data.end() && *(at + ptrdiff_t(name.size())) == 0;
    }
    EXPECT_TRUE(found);
}

INSTANTIATE_TEST_SUITE_P(Built, ExtractionModule, testing::ValuesIn(BuiltPairs()), PairName);

}  // namespace
