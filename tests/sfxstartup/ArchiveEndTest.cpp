// Where the archive ends: with the file, or where the certificate table of an
// Authenticode signature starts; a table that does not fit the payload marks
// the file as damaged.
#include <gtest/gtest.h>

#include "ArchiveEnd.h"
#include "PayloadError.h"
#include "TestImages.h"

namespace {

constexpr size_t kOptionalHeader = kTestPeHeader + 24;
constexpr uint64_t kArchiveOffset = 0x300;  // in the files below
constexpr uint32_t kArchiveLength = 0x100;
constexpr uint32_t kTableLength = 0x48;

struct Headers {
    uint16_t magic = 0x10B;
    uint32_t directoryCount = 16;
    uint32_t tableOffset = 0;
    uint32_t tableSize = 0;
};

// A stub image, its payload up to the archive, the archive, and what a
// signature tool appends: `tail` bytes.
Bytes Executable(const Headers& h, uint32_t tail) {
    Bytes file = MakePeImage({{0x200, 0x100}});
    const bool plus = h.magic == 0x20B;
    PutU16(file, kOptionalHeader, h.magic);
    PutU32(file, kOptionalHeader + (plus ? 108 : 92), h.directoryCount);
    PutU32(file, kOptionalHeader + (plus ? 112 : 96) + 32, h.tableOffset);
    PutU32(file, kOptionalHeader + (plus ? 112 : 96) + 36, h.tableSize);
    return Concat({file, Bytes(kArchiveLength, '7'), Bytes(tail, 0x30)});
}

}  // namespace

TEST(ArchiveEnd, AtTheCertificateTableOrTheFileEnd) {
    constexpr uint32_t signedAt = uint32_t(kArchiveOffset) + kArchiveLength;
    const struct {
        const char* what;
        Headers headers;
        uint32_t tail;
        uint64_t end;  // 0: refused as damaged
    } cases[] = {
        {"unsigned", {}, 0, signedAt},
        {"unsigned, no data directories", {0x10B, 0, 0, 0}, 0, signedAt},
        {"signed", {0x10B, 16, signedAt, kTableLength}, kTableLength, signedAt},
        {"signed, PE32+ headers", {0x20B, 16, signedAt, kTableLength}, kTableLength, signedAt},
        {"a table behind padding", {0x10B, 16, signedAt + 8, kTableLength}, 8 + kTableLength, signedAt + 8},
        {"signed with an empty archive", {0x10B, 16, uint32_t(kArchiveOffset), kTableLength + kArchiveLength},
         kTableLength, kArchiveOffset},
        // Five directories are needed for the security directory to count.
        {"a security entry beyond the directory count", {0x10B, 4, 0x12345, 0x99}, 0, signedAt},
        {"bytes after the table", {0x10B, 16, signedAt, kTableLength}, kTableLength + 1, 0},
        {"truncated inside the table", {0x10B, 16, signedAt, kTableLength}, kTableLength - 1, 0},
        {"truncated inside the archive", {0x10B, 16, signedAt, kTableLength}, 0, 0},
        {"a table starting inside the settings", {0x10B, 16, signedAt - kArchiveLength - 1,
                                                  kTableLength + kArchiveLength + 1}, kTableLength, 0},
        {"a table larger than the file", {0x10B, 16, 0, 0xFFFFFFFFu}, kTableLength, 0},
        {"a table at the file's start", {0x10B, 16, 0, signedAt + kTableLength}, kTableLength, 0},
        {"an empty table inside the archive", {0x10B, 16, signedAt - 1, 0}, 0, 0},
        {"an optional header of unknown kind", {0x107, 16, 0, 0}, 0, 0},
    };
    for (const auto& c : cases) {
        const Bytes file = Executable(c.headers, c.tail);
        MemorySource exe(file);
        if (c.end == 0) {
            EXPECT_THROW(ArchiveEnd(exe, kArchiveOffset), PayloadError) << c.what;
        } else {
            EXPECT_EQ(ArchiveEnd(exe, kArchiveOffset), c.end) << c.what;
        }
    }
}

// The settings block read past a file that ended early: its archive would
// start beyond the end.
TEST(ArchiveEnd, AFileEndingBeforeItsArchiveIsDamaged) {
    const Bytes file = Executable({}, 0);
    MemorySource exe(file);
    EXPECT_EQ(ArchiveEnd(exe, file.size()), file.size());
    EXPECT_THROW(ArchiveEnd(exe, file.size() + 1), PayloadError);
}
