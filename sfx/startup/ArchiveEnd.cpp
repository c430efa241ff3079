#include "ArchiveEnd.h"

#include "PayloadError.h"
#include "PeHeaders.h"

namespace {

constexpr uint32_t kSecurityDirectory = 4;
constexpr uint64_t kDirectoryEntrySize = 8;  // file offset (for this directory) and size

struct Directories {
    uint64_t countField;  // NumberOfRvaAndSizes, in the optional header
    uint64_t first;
};

Directories DirectoriesOf(uint16_t magic) {
    if (magic == kPe32Magic) return {92, 96};
    if (magic == kPe32PlusMagic) return {108, 112};
    throw PayloadError("an optional header of unknown kind");
}

struct Table {
    uint64_t offset = 0;
    uint64_t size = 0;
};

// The certificate table that the security directory records; none when the
// headers hold no such directory or it is empty.
Table CertificateTable(ByteSource& exe) {
    const PeHeaders h = ReadPeHeaders(exe, 0);
    const Directories d = DirectoriesOf(h.optionalMagic);
    const uint64_t entry = d.first + kSecurityDirectory * kDirectoryEntrySize;
    if (entry + kDirectoryEntrySize > h.optionalHeaderSize) return {};
    if (ReadU32(exe, h.optionalHeader + d.countField) <= kSecurityDirectory) return {};
    return {ReadU32(exe, h.optionalHeader + entry), ReadU32(exe, h.optionalHeader + entry + 4)};
}

}  // namespace

uint64_t ArchiveEnd(ByteSource& exe, uint64_t archiveOffset) {
    const uint64_t fileSize = exe.Size();
    const Table table = CertificateTable(exe);
    uint64_t end = fileSize;
    if (table.offset != 0 || table.size != 0) {
        if (table.size > fileSize || table.offset != fileSize - table.size)
            throw PayloadError("the certificate table does not end with the file");
        end = table.offset;
    }
    if (end < archiveOffset) throw PayloadError("the payload ends before its archive starts");
    return end;
}
