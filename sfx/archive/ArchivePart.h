// An archive that is a part of a larger file (the executable it travels
// in): a window of length bytes from offset, read in place. Positions are
// the archive's own, from 0 at its first byte.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

struct TArchivePart {
    uint64_t offset = 0;
    uint64_t length = 0;
};

// The position a seek of offset from origin (0 begin, 1 current, 2 end)
// reaches in a part of length bytes, from current; false for one before the
// archive's start or beyond its end, or an unknown origin.
bool SeekInPart(uint64_t length, uint64_t current, int64_t offset, uint32_t origin, uint64_t& reached);

// How many of size bytes a read at position may take: never past the end.
uint32_t ReadableInPart(uint64_t length, uint64_t position, uint32_t size);

// Whether the part lies within a file of fileSize bytes.
bool PartFits(const TArchivePart& part, uint64_t fileSize);

// An archive spread over several parts one after the other (the first in
// the executable, the rest in volume files beside it): where a position of
// the whole archive lies. A position on a boundary is the start of the later
// part; the end of the last part and any place beyond have index
// lengths.size().
struct PartPlace {
    size_t index;
    uint64_t offset;  // within that part
    bool operator==(const PartPlace& o) const { return index == o.index && offset == o.offset; }
};
PartPlace LocateInParts(const std::vector<uint64_t>& lengths, uint64_t position);
