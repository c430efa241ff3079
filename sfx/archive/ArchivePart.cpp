#include "ArchivePart.h"

#include <limits>

bool SeekInPart(uint64_t length, uint64_t current, int64_t offset, uint32_t origin, uint64_t& reached) {
    uint64_t base = 0;
    switch (origin) {
        case 0: base = 0; break;
        case 1: base = current; break;
        case 2: base = length; break;
        default: return false;
    }
    // base + offset, in range [0, length], without overflow.
    if (offset < 0) {
        const uint64_t back = uint64_t(-(offset + 1)) + 1;
        if (back > base) return false;
        reached = base - back;
        return true;
    }
    if (uint64_t(offset) > length || base > length - uint64_t(offset)) return false;
    reached = base + uint64_t(offset);
    return true;
}

uint32_t ReadableInPart(uint64_t length, uint64_t position, uint32_t size) {
    if (position >= length) return 0;
    const uint64_t left = length - position;
    return left < size ? uint32_t(left) : size;
}

bool PartFits(const TArchivePart& part, uint64_t fileSize) {
    return part.offset <= fileSize && part.length <= fileSize - part.offset;
}

PartPlace LocateInParts(const std::vector<uint64_t>& lengths, uint64_t position) {
    for (size_t i = 0; i < lengths.size(); ++i) {
        if (position < lengths[i]) return {i, position};
        position -= lengths[i];
    }
    return {lengths.size(), position};
}
