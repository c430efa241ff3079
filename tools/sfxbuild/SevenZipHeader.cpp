#include "SevenZipHeader.h"

#include <cstring>
#include <string>

#include "BuildError.h"
#include "Crc32.h"
#include "LittleEndian.h"

namespace {

constexpr uint8_t kSignature[6] = {'7', 'z', 0xBC, 0xAF, 0x27, 0x1C};
constexpr size_t kStartHeaderOffset = 12;  // after signature, version and the start header's CRC
constexpr size_t kStartHeaderSize = 20;

}  // namespace

void CheckSevenZipHeader(const uint8_t* head, size_t headSize, uint64_t fileSize, const char* what) {
    const std::string name(what);
    if (headSize < kSevenZipSignatureHeaderSize || std::memcmp(head, kSignature, sizeof kSignature) != 0)
        throw BuildError(name + " is not a 7z archive");
    if (Crc32(head + kStartHeaderOffset, kStartHeaderSize) != LittleEndian(head + 8, 4))
        throw BuildError(name + " is damaged: its start header's CRC does not match");
    const uint64_t nextOffset = LittleEndian(head + 12, 8);
    const uint64_t nextSize = LittleEndian(head + 20, 8);
    const uint64_t room = fileSize - kSevenZipSignatureHeaderSize;
    if (nextOffset > room || nextSize > room - nextOffset)
        throw BuildError(name + " is cut short: its header lies past the end of the file");
}
