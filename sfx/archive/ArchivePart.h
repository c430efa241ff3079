// An archive that is a part of a larger file (the executable it travels
// in): a window of length bytes from offset, read in place. Positions are
// the archive's own, from 0 at its first byte.
#pragma once

#include <cstdint>

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
