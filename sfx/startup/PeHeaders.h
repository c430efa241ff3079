// The headers of a PE image (an executable or a DLL) that the payload code
// reads: the file header's counts and where the optional header and the
// section table lie, each checked to lie inside the file.
#pragma once

#include <cstdint>

#include "ByteSource.h"

// The optional header's magic numbers.
constexpr uint16_t kPe32Magic = 0x10B;
constexpr uint16_t kPe32PlusMagic = 0x20B;
// Where PE32 and PE32+ alike keep SizeOfImage and SizeOfHeaders in the
// optional header, and the size of one section header.
constexpr uint64_t kSizeOfImageField = 56;
constexpr uint64_t kSizeOfHeadersField = 60;
constexpr uint64_t kSectionHeaderSize = 40;

struct PeHeaders {
    uint64_t available;           // the file's bytes from the image's start on
    uint16_t machine;             // the processor the code is for
    uint16_t optionalMagic;       // PE32 or PE32+
    uint64_t optionalHeader;      // offsets from the image's start
    uint16_t optionalHeaderSize;
    uint64_t sectionTable;
    uint16_t sectionCount;
};

// The headers of the image that starts at `start` in the file. Throws
// PayloadError when they are not a PE image's or reach past the end of the
// file.
PeHeaders ReadPeHeaders(ByteSource& file, uint64_t start);

// 32 for an x86 image with PE32 headers, 64 for an x64 one with PE32+
// headers, 0 for any other processor or a mismatch of the two.
int PeBitness(const PeHeaders& headers);

// Little-endian numbers of the file, read exactly or PayloadError.
uint16_t ReadU16(ByteSource& file, uint64_t position);
uint32_t ReadU32(ByteSource& file, uint64_t position);
