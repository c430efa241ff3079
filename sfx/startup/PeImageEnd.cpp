#include "PeImageEnd.h"

#include <algorithm>

#include "PayloadError.h"

namespace {

constexpr uint64_t kDosHeaderSize = 64;
constexpr uint64_t kNewHeaderOffsetField = 0x3C;
constexpr uint64_t kFileHeaderSize = 20;  // after the four signature bytes
constexpr uint64_t kSectionHeaderSize = 40;
constexpr uint64_t kSizeOfHeadersField = 60;  // in the optional header, PE32 and PE32+ alike
constexpr uint16_t kMaxSections = 96;

uint32_t Little(const uint8_t* p, int bytes) {
    uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i) v = (v << 8) | p[i];
    return v;
}

uint32_t ReadU32(ByteSource& file, uint64_t position) {
    uint8_t b[4];
    ReadExactly(file, position, b, sizeof b);
    return Little(b, 4);
}

}  // namespace

uint64_t PeImageEnd(ByteSource& file, uint64_t start) {
    const uint64_t fileSize = file.Size();
    if (start > fileSize || fileSize - start < kDosHeaderSize) throw PayloadError("too short for a PE image");
    const uint64_t available = fileSize - start;

    uint8_t dos[kDosHeaderSize];
    ReadExactly(file, start, dos, sizeof dos);
    if (dos[0] != 'M' || dos[1] != 'Z') throw PayloadError("no MZ header");
    const uint64_t peHeader = Little(dos + kNewHeaderOffsetField, 4);
    if (peHeader > available || available - peHeader < 4 + kFileHeaderSize)
        throw PayloadError("the PE header lies outside the file");

    uint8_t head[4 + kFileHeaderSize];
    ReadExactly(file, start + peHeader, head, sizeof head);
    if (head[0] != 'P' || head[1] != 'E' || head[2] != 0 || head[3] != 0) throw PayloadError("no PE signature");
    const uint16_t sectionCount = uint16_t(Little(head + 6, 2));
    const uint16_t optionalHeaderSize = uint16_t(Little(head + 20, 2));
    if (sectionCount > kMaxSections) throw PayloadError("too many sections");
    if (optionalHeaderSize < kSizeOfHeadersField + 4) throw PayloadError("the optional header is too short");

    const uint64_t optionalHeader = peHeader + 4 + kFileHeaderSize;
    const uint64_t sectionTable = optionalHeader + optionalHeaderSize;
    if (sectionTable + sectionCount * kSectionHeaderSize > available)
        throw PayloadError("the section table lies outside the file");

    uint64_t end = ReadU32(file, start + optionalHeader + kSizeOfHeadersField);
    if (end > available) throw PayloadError("the headers reach past the end of the file");
    for (uint16_t i = 0; i < sectionCount; ++i) {
        uint8_t section[kSectionHeaderSize];
        ReadExactly(file, start + sectionTable + i * kSectionHeaderSize, section, sizeof section);
        const uint64_t rawSize = Little(section + 16, 4);
        const uint64_t rawOffset = Little(section + 20, 4);
        if (rawSize == 0) continue;  // uninitialised data: nothing in the file
        if (rawOffset + rawSize > available) throw PayloadError("a section lies beyond the end of the file");
        end = std::max(end, rawOffset + rawSize);
    }
    return end;
}
