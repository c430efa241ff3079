// The headers of a PE image (an executable or a DLL) that the payload code
// reads: the file header's counts and where the optional header and the
// section table lie, each checked to lie inside the file.
#pragma once

#include <cstdint>

#include "ByteSource.h"

struct PeHeaders {
    uint64_t available;           // the file's bytes from the image's start on
    uint64_t optionalHeader;      // offsets from the image's start
    uint16_t optionalHeaderSize;
    uint64_t sectionTable;
    uint16_t sectionCount;
};

// The headers of the image that starts at `start` in the file. Throws
// PayloadError when they are not a PE image's or reach past the end of the
// file.
PeHeaders ReadPeHeaders(ByteSource& file, uint64_t start);

// Little-endian numbers of the file, read exactly or PayloadError.
uint16_t ReadU16(ByteSource& file, uint64_t position);
uint32_t ReadU32(ByteSource& file, uint64_t position);
