// An archive too large for one executable travels as a volume set: the
// program holds the archive's first part, and volume files beside it, named
// after the program (Setup.002, Setup.003, ...), hold the next parts, each of
// one part size, the last one what remains. The builder records the set in a
// table after the settings block, inside the sealed bytes, so that the table
// is as trustworthy as the settings: the part size, the archive's length, and
// for each volume a fingerprint that tells a volume cut short, swapped with
// another or left from another build before anything is extracted.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "ByteSource.h"

constexpr std::array<uint8_t, 8> kVolumeTableTag = {'B', 'R', 'V', 'O', 'L', 'S', '0', '1'};
// The tag, the part size and the archive's length (64 bits each), the volume
// count and four zero bytes (32 bits each); then a 32-bit fingerprint a
// volume.
constexpr size_t kVolumeTableHeadSize = 32;
// The program's own part and volumes .002 to .255.
constexpr size_t kMaxArchiveParts = 255;

struct VolumeTable {
    uint64_t partSize = 0;
    uint64_t archiveLength = 0;
    std::vector<uint32_t> fingerprints;  // of volumes 2, 3, ...
};

// The lengths of the parts an archive of archiveLength bytes is cut into,
// partSize bytes each, the last one what remains (at least one byte). None
// for a part size of 0.
std::vector<uint64_t> PartLengths(uint64_t archiveLength, uint64_t partSize);

size_t VolumeTableSize(size_t volumeCount);
std::vector<uint8_t> VolumeTableBytes(const VolumeTable& table);

// The table of size bytes at offset. Throws PayloadError unless it holds
// exactly one volume or more whose lengths add up to the archive's.
VolumeTable ReadVolumeTable(ByteSource& exe, uint64_t offset, uint64_t size);

// The CRC-32 of a volume's first and last 64 KiB (the whole of a smaller
// one), from length bytes at offset. Throws PayloadError when they cannot be
// read.
uint32_t VolumeFingerprint(ByteSource& source, uint64_t offset, uint64_t length);
