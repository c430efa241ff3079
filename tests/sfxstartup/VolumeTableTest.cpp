// An archive spread over the program and volumes beside it: how it is cut,
// the table that records the set, what the builder refuses, and what the
// program says of a volume it cannot use.
#include <gtest/gtest.h>

#include "BuildError.h"
#include "PayloadError.h"
#include "TestImages.h"
#include "VolumeMessage.h"
#include "VolumePlan.h"
#include "VolumeTable.h"

namespace {

constexpr uint64_t kGiB = uint64_t(1) << 30;

TEST(VolumeTable, TheArchiveIsCutIntoPartsOfOneSizeTheLastWhatRemains) {
    const struct {
        uint64_t length, partSize;
        std::vector<uint64_t> parts;
    } cases[] = {
        {10, 4, {4, 4, 2}}, {8, 4, {4, 4}}, {3, 4, {3}}, {4, 4, {4}}, {10, 0, {}},
        {5 * kGiB, 2 * kGiB, {2 * kGiB, 2 * kGiB, kGiB}},
    };
    for (const auto& c : cases) EXPECT_EQ(PartLengths(c.length, c.partSize), c.parts) << c.length << "/" << c.partSize;
}

TEST(VolumeTable, ReadsBackWhatTheBuilderWrote) {
    const VolumeTable written{5000, 12000, {0x11223344, 0xAABBCCDD}};
    const Bytes bytes = Concat({Bytes(7, 0xEE), VolumeTableBytes(written)});
    ASSERT_EQ(bytes.size(), 7 + VolumeTableSize(2));
    MemorySource source(bytes);
    const VolumeTable read = ReadVolumeTable(source, 7, VolumeTableSize(2));
    EXPECT_EQ(read.partSize, 5000u);
    EXPECT_EQ(read.archiveLength, 12000u);
    EXPECT_EQ(read.fingerprints, written.fingerprints);
}

TEST(VolumeTable, RefusesATableThatCannotDescribeASet) {
    const auto table = [](uint64_t partSize, uint64_t length, size_t count) {
        return VolumeTableBytes(VolumeTable{partSize, length, std::vector<uint32_t>(count, 7)});
    };
    Bytes untagged = table(4096, 9000, 2);
    untagged[0] = 'X';
    const struct {
        const char* why;
        Bytes bytes;
        uint64_t size;  // 0: the bytes' own
    } cases[] = {
        {"no tag", untagged, 0},
        {"cut short", table(4096, 9000, 2), VolumeTableSize(2) - 1},
        {"longer than its count", table(4096, 9000, 2), VolumeTableSize(3)},
        {"shorter than its head", table(4096, 9000, 2), 16},
        {"no volume", table(4096, 4000, 0), 0},
        {"more than 254 volumes", table(4096, 4096 * 255 + 1, 255), 0},
        {"a part size of 0", table(0, 9000, 2), 0},
        {"an archive that ends in the program", table(4096, 8192, 2), 0},
        {"an archive longer than the set", table(4096, 3 * 4096 + 1, 2), 0},
        {"an archive shorter than its volumes", table(4096, 100, 2), 0},
        {"a part size of 1 and a huge archive", table(1, UINT64_MAX, 2), 0},
    };
    for (const auto& c : cases) {
        MemorySource source(c.bytes);
        EXPECT_THROW(ReadVolumeTable(source, 0, c.size ? c.size : c.bytes.size()), PayloadError) << c.why;
    }
}

// A volume's fingerprint covers its first and last 64 KiB: it tells a volume
// cut short, swapped or from another build, without reading gigabytes.
TEST(VolumeTable, AFingerprintSeesTheHeadAndTheTailOfAVolume) {
    Bytes volume(300 * 1024);
    for (size_t i = 0; i < volume.size(); ++i) volume[i] = uint8_t(i * 7 + i / 251);
    const auto print = [](const Bytes& bytes) {
        MemorySource source(bytes);
        return VolumeFingerprint(source, 0, bytes.size());
    };
    const uint32_t sound = print(volume);
    const struct {
        size_t at;
        bool seen;
    } cases[] = {{0, true}, {64 * 1024 - 1, true}, {150 * 1024, false}, {volume.size() - 64 * 1024, true},
                 {volume.size() - 1, true}};
    for (const auto& c : cases) {
        Bytes changed = volume;
        changed[c.at] ^= 1;
        EXPECT_EQ(print(changed) != sound, c.seen) << c.at;
    }
    const Bytes small(100, 3);
    MemorySource source(small);
    EXPECT_THROW(VolumeFingerprint(source, 0, 101), PayloadError) << "a volume shorter than the table says";
}

TEST(VolumePlan, NoProgramOf4GiBAndNoVolumeSizeThatCannotWork) {
    constexpr uint64_t kPrefix = 600 * 1024;  // stub, module, blocks
    const uint64_t most = (uint64_t(4) << 30) - 1;
    const struct {
        const char* why;
        uint64_t archive;
        std::optional<uint64_t> volumeSize;
        size_t parts;              // 0: refused
        const char* refusal = "";  // a part of the message
    } cases[] = {
        {"the largest program", most - kPrefix, std::nullopt, 1},
        {"one byte more", most - kPrefix + 1, std::nullopt, 0, "out.exe would be 4294967296 bytes"},
        {"a 4.7 GB archive", 4719279004, std::nullopt, 0, "--volume-size SIZE"},
        {"4.7 GB in 2 GiB volumes", 4719279004, 2 * kGiB, 3},
        {"an archive that fits its first part", 10000, 2 * kGiB, 1},
        {"the smallest volume", 4096 * 3, 4096, 3},
        {"below the smallest", 100000, 4095, 0, "at least 4k"},
        {"255 parts", 4096 * 255, 4096, 255},
        {"256 parts", 4096 * 255 + 1, 4096, 0, "give at least 4097"},
        {"a first part the program cannot hold", 5 * kGiB, most - kPrefix, 0, "is too large"},
        {"the largest first part", 5 * kGiB, most - kPrefix - VolumeTableSize(1), 2},
    };
    for (const auto& c : cases) {
        if (c.parts > 0) {
            EXPECT_EQ(PlanArchiveParts(kPrefix, c.archive, c.volumeSize, "out.exe").size(), c.parts) << c.why;
            continue;
        }
        try {
            PlanArchiveParts(kPrefix, c.archive, c.volumeSize, "out.exe");
            ADD_FAILURE() << c.why << ": not refused";
        } catch (const BuildError& e) {
            EXPECT_NE(std::string(e.what()).find(c.refusal), std::string::npos) << c.why << ": " << e.what();
        }
    }
}

TEST(VolumeMessage, TheVolumeIsNamedInEveryLanguageText) {
    const struct {
        const wchar_t* message68;
        const wchar_t* expected;
    } cases[] = {
        {L"The volume %s is missing.", L"The volume Setup.002 is missing."},
        {L"", L"The archive cannot be read.\r\nSetup.002"},  // a builder's text without the message
        {L"A volume is missing:", L"A volume is missing: Setup.002"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MissingVolumeText(c.message68, L"The archive cannot be read.", VolumeFileName(L"C:\\x\\Setup.002")),
                  c.expected);
    EXPECT_EQ(VolumePath("/tmp/x.y/Setup.exe", 12), "/tmp/x.y/Setup.012");
    EXPECT_EQ(VolumePath("Setup", 2), "Setup.002");
}

}  // namespace
