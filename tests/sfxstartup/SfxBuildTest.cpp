// sfxbuild run as a program: where each piece of its output lands, that the
// stub's own readers find them there, and what it refuses.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "Crc32.h"
#include "LanguageBlocks.h"
#include "PayloadError.h"
#include "PayloadLayout.h"
#include "PayloadSeal.h"
#include "SettingsBlock.h"
#include "VolumeTable.h"
#include "TestImages.h"

namespace fs = std::filesystem;

namespace {

Bytes FileBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
}

void WriteFile(const fs::path& path, const Bytes& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

void WriteText(const fs::path& path, const std::string& text) { WriteFile(path, Bytes(text.begin(), text.end())); }

// An archive with no items, as 7-Zip writes one: the signature header alone.
Bytes EmptySevenZip() {
    Bytes a = {'7', 'z', 0xBC, 0xAF, 0x27, 0x1C, 0, 4};
    a.resize(32, 0);
    PutU32(a, 8, Crc32(a.data() + 12, 20));
    return a;
}

// A start header whose next header lies size bytes on, and bytes of a
// pattern up to there: all that sfxbuild checks of an archive.
Bytes SpreadSevenZip(size_t size) {
    Bytes a = EmptySevenZip();
    PutU32(a, 12, uint32_t(size - a.size()));
    PutU32(a, 8, Crc32(a.data() + 12, 20));
    for (size_t i = a.size(); i < size; ++i) a.push_back(uint8_t(i * 7 + i / 251));
    return a;
}

std::string Quote(const std::string& s) { return "'" + s + "'"; }

struct BuildRun {
    int status;
    std::string err;
};

class SfxBuild : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::path(::testing::TempDir()) /
              ("sfxbuild_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(dir);
        fs::create_directories(dir);
        stub = MakeStubImage();
        module = MakePeImage({{0x200, 0x400}}, 0x22);
        WriteFile(dir / "br7zsfx.exe", stub);
        WriteFile(dir / "7z.dll", module);
        archive = MakeArchive();
        WriteFile(dir / "data.7z", archive);
    }
    void TearDown() override { fs::remove_all(dir); }

    // A real archive when 7zz is at hand, else an empty one.
    Bytes MakeArchive() {
        const std::string tool = SEVENZIP_TOOL;
        if (!tool.empty()) {
            fs::create_directories(dir / "in");
            WriteText(dir / "in" / "readme.txt", "Hello from the archive\n");
            WriteFile(dir / "in" / "Linefix.8bf", Bytes(5000, 0x5A));
            const std::string cmd = "cd " + Quote((dir / "in").string()) + " && " + Quote(tool) + " a -bso0 -bsp0 " +
                                    Quote((dir / "made.7z").string()) + " . >/dev/null";
            if (std::system(cmd.c_str()) == 0) return FileBytes(dir / "made.7z");
            ADD_FAILURE() << "7zz failed";
        }
        return EmptySevenZip();
    }

    BuildRun Build(const std::vector<std::string>& args) {
        std::string cmd = Quote(SFXBUILD_EXE) + " --stub " + Quote((dir / "br7zsfx.exe").string()) + " --module " +
                          Quote((dir / "7z.dll").string());
        for (const std::string& a : args) cmd += " " + Quote(a);
        cmd += " 2>" + Quote((dir / "err.txt").string());
        const int raw = std::system(cmd.c_str());
        const Bytes err = FileBytes(dir / "err.txt");
        return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, std::string(err.begin(), err.end())};
    }

    std::string In(const char* name) const { return (dir / name).string(); }

    fs::path dir;
    Bytes stub, module, archive;
};

}  // namespace

TEST_F(SfxBuild, EachPieceLandsWhereTheStubLooksForIt) {
    const std::string lang = SFX_LANG_DIR;
    const BuildRun run =
        Build({"--title", "Linefix setup", "--destination", "%PROG%\\Linefix", "--destination-mode", "2", "--overwrite",
               "skip", "--run", "readme.txt", "--auto", "--done-message", "--hide-file-list", "--test-first", "--language",
               lang + "/English.txt", "--language", lang + "/Russian.txt", In("data.7z"), In("out.exe")});
    ASSERT_EQ(run.status, 0) << run.err;
    const Bytes out = FileBytes(dir / "out.exe");

    const long sealAt = 0xA00, sealEnd = sealAt + long(kSealRecordSize);
    EXPECT_TRUE(std::equal(stub.begin(), stub.begin() + sealAt, out.begin())) << "the stub up to its seal";
    EXPECT_TRUE(std::equal(stub.begin() + sealEnd, stub.end(), out.begin() + sealEnd)) << "the stub after it";
    MemorySource exe(out);
    EXPECT_NO_THROW(VerifyPayloadSeal(exe));
    const PayloadLayout layout = LocatePayload(exe);
    EXPECT_EQ(layout.moduleOffset, stub.size());
    EXPECT_EQ(layout.moduleLength, module.size());
    EXPECT_TRUE(std::equal(module.begin(), module.end(), out.begin() + long(stub.size())));

    messageTable = {};
    languageBlockCount = 0;
    SfxSettings s{};
    const uint64_t archiveAt = ReadLanguagesAndSettings(exe, layout.languageBlocksOffset, s);
    EXPECT_EQ(languageBlockCount, 2);
    EXPECT_EQ(messageTable[0][5], "&Extract");
    EXPECT_EQ(messageTable[1][5], "&\xC8\xE7\xE2\xEB\xE5\xF7\xFC");
    EXPECT_EQ(messageTable[0][0].substr(0, 12), "BRL2040904E4") << "English, code page 1252";
    EXPECT_EQ(messageTable[1][0].substr(0, 12), "BRL2041904E3") << "Russian, code page 1251";
    messageTable = {};
    languageBlockCount = 0;

    EXPECT_TRUE(HasSettingsSignature(s));
    EXPECT_EQ(ReadSetting(s.archiveLabel), "data.7z");
    EXPECT_EQ(s.destinationMode, 2);
    EXPECT_EQ(ReadSetting(s.destination), "%PROG%\\Linefix");
    EXPECT_EQ(s.overwriteMode, kSkipExisting);
    EXPECT_EQ(ReadSetting(s.title), "Linefix setup");
    EXPECT_EQ(ReadSetting(s.runCommand), "readme.txt");
    EXPECT_EQ(s.hideOverwriteChoice, 0);
    EXPECT_EQ(s.autoExtract, 1);
    EXPECT_EQ(s.showDoneMessage, 1u);
    EXPECT_EQ(s.hideFileList, 1u);
    EXPECT_EQ(s.testFirst, 1);
    for (uint8_t b : s.reserved) ASSERT_EQ(b, 0);

    ASSERT_EQ(archiveAt + archive.size(), out.size());
    EXPECT_TRUE(std::equal(archive.begin(), archive.end(), out.begin() + long(archiveAt)));
    EXPECT_FALSE(fs::exists(dir / "out.exe.partial"));
}

TEST_F(SfxBuild, DefaultsAndTheSameBytesEveryTime) {
    ASSERT_EQ(Build({"--label", "Tools", In("data.7z"), In("one.exe")}).status, 0);
    ASSERT_EQ(Build({"--label", "Tools", In("data.7z"), In("two.exe")}).status, 0);
    const Bytes one = FileBytes(dir / "one.exe");
    EXPECT_EQ(one, FileBytes(dir / "two.exe"));

    MemorySource exe(one);
    messageTable = {};
    languageBlockCount = 0;
    SfxSettings s{};
    ReadLanguagesAndSettings(exe, LocatePayload(exe).languageBlocksOffset, s);
    EXPECT_EQ(languageBlockCount, 2) << "the built-in English and Russian blocks";
    EXPECT_NE(messageTable[0][22].find("brindlepacker.example"), std::string::npos);
    EXPECT_EQ(messageTable[0][5], "&Extract");
    EXPECT_EQ(messageTable[1][5], "&\xC8\xE7\xE2\xEB\xE5\xF7\xFC");
    messageTable = {};
    languageBlockCount = 0;
    EXPECT_EQ(ReadSetting(s.archiveLabel), "Tools");
    EXPECT_EQ(s.destinationMode, 0);
    EXPECT_EQ(ReadSetting(s.destination), "");
    EXPECT_EQ(s.overwriteMode, kAskEach);
    EXPECT_EQ(ReadSetting(s.title), "");
    EXPECT_EQ(s.autoExtract, 0);
    EXPECT_EQ(s.showDoneMessage, 0u);
    EXPECT_EQ(s.testFirst, 0);

    // An existing output is replaced.
    ASSERT_EQ(Build({"--title", "Other", In("data.7z"), In("one.exe")}).status, 0);
    EXPECT_NE(FileBytes(dir / "one.exe"), one);
}

TEST_F(SfxBuild, RefusesWhatWouldNotFitOrWork) {
    WriteText(dir / "notes.txt", "not an archive at all, but long enough to hold a header");
    Bytes badCrc = archive;
    badCrc[12] ^= 1;
    WriteFile(dir / "badcrc.7z", badCrc);
    Bytes cut = EmptySevenZip();
    PutU32(cut, 20, 100);  // a next header of 100 bytes that the file lacks
    PutU32(cut, 8, Crc32(cut.data() + 12, 20));
    WriteFile(dir / "cut.7z", cut);
    WriteFile(dir / "padded.exe", Concat({stub, Bytes(16, 0)}));
    WriteFile(dir / "unsealable.exe", MakePeImage({{0x200, 0x800}, {0xA00, 0x200}}));
    WriteFile(dir / "levelless.exe", MakeStubImage(false));
    WriteText(dir / "text.dll", "MZ but nothing more");
    std::string many;
    for (int i = 1; i <= 101; ++i) many += std::to_string(i) + "=m\n";
    WriteText(dir / "many.txt", many);
    WriteText(dir / "huge.txt", "1=" + std::string(kMaxLanguageBlockData, 'h') + "\n");
    WriteText(dir / "gap.txt", "1=a\n3=c\n");

    const std::string a = In("data.7z"), out = In("out.exe");
    std::vector<std::string> languages33;
    for (int i = 0; i < 33; ++i)
        languages33.insert(languages33.end(), {"--language", std::string(SFX_LANG_DIR) + "/English.txt"});
    languages33.insert(languages33.end(), {a, out});

    const struct {
        const char* why;
        std::vector<std::string> args;
    } cases[] = {
        {"unknown option", {"--colour", "red", a, out}},
        {"single dash option", {"-t", a, out}},
        {"no operands", {}},
        {"one operand", {a}},
        {"three operands", {a, out, In("x.exe")}},
        {"value missing", {a, out, "--title"}},
        {"destination mode 3", {"--destination-mode", "3", a, out}},
        {"destination mode word", {"--destination-mode", "temp", a, out}},
        {"overwrite word", {"--overwrite", "always", a, out}},
        {"title over 100", {"--title", std::string(101, 't'), a, out}},
        {"run over 100", {"--run", std::string(101, 'r'), a, out}},
        {"destination over 255", {"--destination", std::string(256, 'd'), a, out}},
        {"label over 255", {"--label", std::string(256, 'l'), a, out}},
        {"not a 7z archive", {In("notes.txt"), out}},
        {"start header CRC wrong", {In("badcrc.7z"), out}},
        {"archive cut short", {In("cut.7z"), out}},
        {"archive missing", {In("missing.7z"), out}},
        {"archive is a folder", {dir.string(), out}},
        {"stub missing", {"--stub", In("missing.exe"), a, out}},
        {"stub longer than its image", {"--stub", In("padded.exe"), a, out}},
        {"stub without a seal section", {"--stub", In("unsealable.exe"), a, out}},
        {"elevating a stub without an execution level", {"--elevate", "--stub", In("levelless.exe"), a, out}},
        {"module not an image", {"--module", In("text.dll"), a, out}},
        {"language missing", {"--language", In("missing.txt"), a, out}},
        {"101 messages", {"--language", In("many.txt"), a, out}},
        {"over the block limit", {"--language", In("huge.txt"), a, out}},
        {"a message out of turn", {"--language", In("gap.txt"), a, out}},
        {"33 languages", languages33},
        {"output is the archive", {a, a}},
        {"output folder missing", {a, In("no/such/out.exe")}},
        {"volume size below 4k", {"--volume-size", "4095", a, out}},
        {"volume size of no unit", {"--volume-size", "4q", a, out}},
        {"volume size of two units", {"--volume-size", "4kk", a, out}},
        {"volume size without digits", {"--volume-size", "k", a, out}},
        {"volume size beyond 64 bits", {"--volume-size", "17179869184g", a, out}},
    };
    for (const auto& c : cases) {
        const BuildRun run = Build(c.args);
        EXPECT_NE(run.status, 0) << c.why;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << c.why << ": " << run.err;
        EXPECT_EQ(run.err.rfind("sfxbuild: ", 0), 0u) << c.why << ": " << run.err;
        EXPECT_FALSE(fs::exists(out)) << c.why;
        EXPECT_FALSE(fs::exists(out + ".partial")) << c.why;
    }
    EXPECT_EQ(FileBytes(a), archive) << "the archive survived being named as the output";
}

// The seal covers the module, every language block and the settings block:
// a flipped bit or a cut anywhere there is found; the archive after them, and
// a signature's table after the archive, are not the seal's to judge.
TEST_F(SfxBuild, TheSealFindsEveryDamageBeforeTheArchive) {
    const std::string lang = SFX_LANG_DIR;
    ASSERT_EQ(Build({"--language", lang + "/English.txt", "--language", lang + "/Russian.txt", In("data.7z"),
                     In("out.exe")})
                  .status,
              0);
    const Bytes sound = FileBytes(dir / "out.exe");
    const size_t moduleAt = stub.size(), languagesAt = moduleAt + module.size();
    const size_t archiveAt = sound.size() - archive.size(), settingsAt = archiveAt - 832;
    const size_t recordAt = 0xA00;

    const struct {
        const char* what;
        size_t flipAt;      // a byte whose lowest bit flips, or npos
        size_t cutTo;       // the length the file is cut to, or npos
        bool found;
    } cases[] = {
        {"sound", std::string::npos, std::string::npos, false},
        {"module's first byte", moduleAt, std::string::npos, true},
        {"module's middle", moduleAt + module.size() / 2, std::string::npos, true},
        {"a language block's tag", languagesAt, std::string::npos, true},
        {"a language block's length", languagesAt + 5, std::string::npos, true},
        {"the second block's text", settingsAt - 3, std::string::npos, true},
        {"the settings' signature", settingsAt + 1, std::string::npos, true},
        {"the settings' last byte", archiveAt - 1, std::string::npos, true},
        {"the sealed length", recordAt + 8, std::string::npos, true},
        {"the sealed CRC", recordAt + 16, std::string::npos, true},
        {"the seal's tag", recordAt, std::string::npos, true},
        {"the archive", archiveAt + archive.size() / 2, std::string::npos, false},
        {"cut inside the module", std::string::npos, moduleAt + 100, true},
        {"cut inside the settings", std::string::npos, settingsAt + 400, true},
        {"cut right after the settings", std::string::npos, archiveAt, false},
        {"cut to the stub", std::string::npos, moduleAt, true},
    };
    for (const auto& c : cases) {
        Bytes file = sound;
        if (c.flipAt != std::string::npos) file.at(c.flipAt) ^= 1;
        if (c.cutTo != std::string::npos) file.resize(c.cutTo);
        MemorySource source(file);
        if (c.found)
            EXPECT_THROW(VerifyPayloadSeal(source), PayloadError) << c.what;
        else
            EXPECT_NO_THROW(VerifyPayloadSeal(source)) << c.what;
    }

    // A stub that no builder filled in, with a payload behind it.
    Bytes unsealed = sound;
    std::fill_n(unsealed.begin() + long(recordAt + 8), kSealRecordSize - 8, 0);
    MemorySource source(unsealed);
    EXPECT_THROW(VerifyPayloadSeal(source), PayloadError);
}

// --elevate changes the manifest's execution level in place and nothing
// else; without it the stub asks for no rights. Both give the same bytes
// every time.
TEST_F(SfxBuild, ElevateRaisesOnlyTheExecutionLevel) {
    ASSERT_EQ(Build({In("data.7z"), In("plain.exe")}).status, 0);
    ASSERT_EQ(Build({"--elevate", In("data.7z"), In("elevated.exe")}).status, 0);
    ASSERT_EQ(Build({"--elevate", In("data.7z"), In("again.exe")}).status, 0);
    const Bytes plain = FileBytes(dir / "plain.exe"), elevated = FileBytes(dir / "elevated.exe");
    EXPECT_EQ(elevated, FileBytes(dir / "again.exe"));
    ASSERT_EQ(plain.size(), elevated.size());

    const std::string level(kTestInvokerLevel);
    const auto text = [&](const Bytes& file) {
        return std::string(file.begin() + long(kTestLevelAt), file.begin() + long(kTestLevelAt + level.size()));
    };
    EXPECT_EQ(text(plain), level);
    EXPECT_EQ(text(elevated), R"(<requestedExecutionLevel level="requireAdministrator" uiAccess="false"/>)");
    Bytes sameElsewhere = elevated;
    std::copy(level.begin(), level.end(), sameElsewhere.begin() + long(kTestLevelAt));
    EXPECT_EQ(sameElsewhere, plain) << "only the level differs";
}

TEST_F(SfxBuild, HelpTellsTheUsage) {
    const std::string cmd = Quote(SFXBUILD_EXE) + " --help >" + Quote(In("help.txt"));
    ASSERT_EQ(std::system(cmd.c_str()), 0);
    const Bytes help = FileBytes(dir / "help.txt");
    const std::string text(help.begin(), help.end());
    for (const char* option :
         {"--title", "--destination-mode", "--overwrite", "--run", "--auto", "--done-message",
          "--hide-overwrite-choice", "--hide-file-list", "--test-first", "--elevate", "--x64", "--volume-size", "--language", "--label", "--stub", "--module", "NUMBER=TEXT"})
        EXPECT_NE(text.find(option), std::string::npos) << option;
}

// With --x64 sfxbuild takes the 64-bit stub and module beside it instead of
// the 32-bit ones, the same bytes every time; a stub and a module of two
// bitnesses, a 32-bit pair for --x64 or an image for another processor are
// refused.
TEST_F(SfxBuild, X64TakesThe64BitPairAndRefusesMixedBitness) {
    const Bytes stub64 = MakeStubImage(true, 64), module64 = MakePeImage({{0x200, 0x600}}, 0x64, 64);
    Bytes arm = MakePeImage({{0x200, 0x400}}, 0x22, 64);
    PutU16(arm, kTestPeHeader + 4, 0xAA64);  // ARM64
    fs::copy_file(SFXBUILD_EXE, dir / "sfxbuild");
    WriteFile(dir / "br7zsfx64.exe", stub64);
    WriteFile(dir / "7z64.dll", module64);
    WriteFile(dir / "arm.exe", arm);
    const auto run = [&](std::vector<std::string> args, const char* out) {
        std::string cmd = Quote((dir / "sfxbuild").string());
        args.insert(args.end(), {In("data.7z"), In(out)});
        for (const std::string& a : args) cmd += " " + Quote(a);
        return std::system((cmd + " 2>" + Quote(In("err.txt"))).c_str());
    };

    const struct {
        const char* why;
        std::vector<std::string> args;
        const Bytes* stub;    // nullptr: refused
        const Bytes* module;
    } cases[] = {
        {"the 32-bit pair by default", {}, &stub, &module},
        {"--x64: the 64-bit pair", {"--x64"}, &stub64, &module64},
        {"a 64-bit pair named without --x64", {"--stub", In("br7zsfx64.exe"), "--module", In("7z64.dll")}, &stub64,
         &module64},
        {"--x64 with a 32-bit pair", {"--x64", "--stub", In("br7zsfx.exe"), "--module", In("7z.dll")}, nullptr,
         nullptr},
        {"a 64-bit stub, the 32-bit module", {"--stub", In("br7zsfx64.exe")}, nullptr, nullptr},
        {"--x64 with the 32-bit module", {"--x64", "--module", In("7z.dll")}, nullptr, nullptr},
        {"a stub for another processor", {"--stub", In("arm.exe")}, nullptr, nullptr},
        {"a module for another processor", {"--x64", "--module", In("arm.exe")}, nullptr, nullptr},
    };
    const long sealEnd = 0xA00 + long(kSealRecordSize);
    for (const auto& c : cases) {
        fs::remove(dir / "out.exe");
        const int status = run(c.args, "out.exe");
        const Bytes err = FileBytes(dir / "err.txt");
        if (!c.stub) {
            EXPECT_NE(status, 0) << c.why;
            EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << c.why;
            EXPECT_FALSE(fs::exists(dir / "out.exe")) << c.why;
            continue;
        }
        ASSERT_EQ(status, 0) << c.why << ": " << std::string(err.begin(), err.end());
        const Bytes out = FileBytes(dir / "out.exe");
        ASSERT_GT(out.size(), c.stub->size() + c.module->size()) << c.why;
        EXPECT_TRUE(std::equal(c.stub->begin() + sealEnd, c.stub->end(), out.begin() + sealEnd)) << c.why;
        EXPECT_TRUE(std::equal(c.module->begin(), c.module->end(), out.begin() + long(c.stub->size()))) << c.why;
        MemorySource exe(out);
        EXPECT_NO_THROW(VerifyPayloadSeal(exe)) << c.why;
    }
    ASSERT_EQ(run({"--x64"}, "again.exe"), 0);
    ASSERT_EQ(run({"--x64"}, "once-more.exe"), 0);
    EXPECT_EQ(FileBytes(dir / "again.exe"), FileBytes(dir / "once-more.exe"));
}

// With --volume-size the program holds the archive's first part and volumes
// of its name beside it the rest; the sealed table after the settings block
// tells the program the set, and every file is the same every time.
TEST_F(SfxBuild, VolumesBesideTheProgramHoldTheRestOfTheArchive) {
    const Bytes big = SpreadSevenZip(3 * 4096 + 1000);
    WriteFile(dir / "big.7z", big);
    ASSERT_EQ(Build({"--volume-size", "4k", In("big.7z"), In("Setup.v2.exe")}).status, 0);
    ASSERT_EQ(Build({"--volume-size", "4096", In("big.7z"), In("again.exe")}).status, 0);
    for (const char* suffix : {".exe", ".002", ".003", ".004"})
        EXPECT_EQ(FileBytes(dir / ("Setup.v2" + std::string(suffix))), FileBytes(dir / ("again" + std::string(suffix))))
            << suffix;
    EXPECT_FALSE(fs::exists(dir / "Setup.v2.005"));

    const Bytes out = FileBytes(dir / "Setup.v2.exe");
    MemorySource exe(out);
    const uint64_t sealedEnd = LocatePayload(exe).moduleOffset + VerifyPayloadSeal(exe).length;
    SfxSettings s{};
    const uint64_t tableAt = ReadLanguagesAndSettings(exe, LocatePayload(exe).languageBlocksOffset, s);
    messageTable = {};
    languageBlockCount = 0;
    ASSERT_LT(tableAt, sealedEnd) << "the table is sealed";
    const VolumeTable table = ReadVolumeTable(exe, tableAt, sealedEnd - tableAt);
    EXPECT_EQ(table.partSize, 4096u);
    EXPECT_EQ(table.archiveLength, big.size());
    ASSERT_EQ(table.fingerprints.size(), 3u);

    Bytes joined(out.begin() + long(sealedEnd), out.end());
    EXPECT_EQ(joined.size(), 4096u) << "the program's own part";
    for (int volume = 2; volume <= 4; ++volume) {
        const Bytes part = FileBytes(dir / ("Setup.v2.00" + std::to_string(volume)));
        EXPECT_EQ(part.size(), volume < 4 ? 4096u : 1000u) << volume;
        MemorySource source(part);
        EXPECT_EQ(VolumeFingerprint(source, 0, part.size()), table.fingerprints[size_t(volume - 2)]) << volume;
        joined.insert(joined.end(), part.begin(), part.end());
    }
    EXPECT_EQ(joined, big);

    // A smaller set under the same name leaves the earlier volumes after its
    // own where they are, and says so.
    const BuildRun fewer = Build({"--volume-size", "8k", In("big.7z"), In("Setup.v2.exe")});
    ASSERT_EQ(fewer.status, 0) << fewer.err;
    EXPECT_EQ(FileBytes(dir / "Setup.v2.002").size(), 8192u - 4096u + 1000u);
    EXPECT_TRUE(fs::exists(dir / "Setup.v2.003"));
    EXPECT_NE(fewer.err.find("Setup.v2.003 is left from an earlier build"), std::string::npos) << fewer.err;
    EXPECT_NE(fewer.err.find("Setup.v2.004 is left from an earlier build"), std::string::npos) << fewer.err;

    // An archive that fits the program's share needs no table and no volume.
    ASSERT_EQ(Build({"--volume-size", "1m", In("big.7z"), In("whole.exe")}).status, 0);
    ASSERT_EQ(Build({In("big.7z"), In("plain.exe")}).status, 0);
    EXPECT_EQ(FileBytes(dir / "whole.exe"), FileBytes(dir / "plain.exe"));
    EXPECT_FALSE(fs::exists(dir / "whole.002"));
}
