#include "VolumeTable.h"

#include <algorithm>

#include "Crc32.h"
#include "LittleEndian.h"
#include "PayloadError.h"

namespace {

constexpr uint64_t kFingerprintSpan = 64 * 1024;

uint32_t CrcOfRange(ByteSource& source, uint64_t offset, uint64_t length, uint32_t crc) {
    std::vector<uint8_t> bytes(size_t(std::min(length, kFingerprintSpan)));
    ReadExactly(source, offset, bytes.data(), bytes.size());
    return Crc32(bytes.data(), bytes.size(), crc);
}

}  // namespace

std::vector<uint64_t> PartLengths(uint64_t archiveLength, uint64_t partSize) {
    std::vector<uint64_t> lengths;
    if (partSize == 0) return lengths;
    uint64_t left = archiveLength;
    do {
        lengths.push_back(std::min(left, partSize));
        left -= lengths.back();
    } while (left > 0);
    return lengths;
}

size_t VolumeTableSize(size_t volumeCount) { return kVolumeTableHeadSize + 4 * volumeCount; }

std::vector<uint8_t> VolumeTableBytes(const VolumeTable& table) {
    std::vector<uint8_t> bytes(VolumeTableSize(table.fingerprints.size()));
    std::copy(kVolumeTableTag.begin(), kVolumeTableTag.end(), bytes.begin());
    PutLittleEndian(bytes.data() + 8, table.partSize, 8);
    PutLittleEndian(bytes.data() + 16, table.archiveLength, 8);
    PutLittleEndian(bytes.data() + 24, table.fingerprints.size(), 4);
    for (size_t i = 0; i < table.fingerprints.size(); ++i)
        PutLittleEndian(bytes.data() + kVolumeTableHeadSize + 4 * i, table.fingerprints[i], 4);
    return bytes;
}

VolumeTable ReadVolumeTable(ByteSource& exe, uint64_t offset, uint64_t size) {
    uint8_t head[kVolumeTableHeadSize];
    if (size < sizeof head) throw PayloadError("the volume table is cut short");
    ReadExactly(exe, offset, head, sizeof head);
    if (!std::equal(kVolumeTableTag.begin(), kVolumeTableTag.end(), head))
        throw PayloadError("the volume table has no tag");
    VolumeTable table;
    table.partSize = LittleEndian(head + 8, 8);
    table.archiveLength = LittleEndian(head + 16, 8);
    const uint64_t count = LittleEndian(head + 24, 4);
    if (count == 0 || count >= kMaxArchiveParts || size != VolumeTableSize(size_t(count)))
        throw PayloadError("the volume table's count does not fit");
    // Checked without building the list: a forged part size of 1 would ask
    // for billions of entries.
    if (table.partSize == 0 || table.archiveLength / table.partSize < count ||
        table.archiveLength - count * table.partSize == 0 || table.archiveLength - count * table.partSize > table.partSize)
        throw PayloadError("the volume table's lengths do not add up");
    std::vector<uint8_t> prints(size_t(4 * count));
    ReadExactly(exe, offset + sizeof head, prints.data(), prints.size());
    for (size_t i = 0; i < count; ++i) table.fingerprints.push_back(uint32_t(LittleEndian(prints.data() + 4 * i, 4)));
    return table;
}

uint32_t VolumeFingerprint(ByteSource& source, uint64_t offset, uint64_t length) {
    const uint64_t tail = std::min(length, kFingerprintSpan);
    return CrcOfRange(source, offset + length - tail, tail, CrcOfRange(source, offset, length, 0));
}
