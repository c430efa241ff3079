#include "PeImageEnd.h"

#include <algorithm>

#include "PayloadError.h"
#include "PeHeaders.h"

uint64_t PeImageEnd(ByteSource& file, uint64_t start) {
    const PeHeaders h = ReadPeHeaders(file, start);
    uint64_t end = ReadU32(file, start + h.optionalHeader + kSizeOfHeadersField);
    if (end > h.available) throw PayloadError("the headers reach past the end of the file");
    for (uint16_t i = 0; i < h.sectionCount; ++i) {
        const uint64_t section = start + h.sectionTable + i * kSectionHeaderSize;
        const uint64_t rawSize = ReadU32(file, section + 16);
        const uint64_t rawOffset = ReadU32(file, section + 20);
        if (rawSize == 0) continue;  // uninitialised data: nothing in the file
        if (rawOffset + rawSize > h.available) throw PayloadError("a section lies beyond the end of the file");
        end = std::max(end, rawOffset + rawSize);
    }
    return end;
}
