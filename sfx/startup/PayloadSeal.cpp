#include "PayloadSeal.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "Crc32.h"
#include "LittleEndian.h"
#include "PayloadError.h"
#include "PeHeaders.h"
#include "PeImageEnd.h"

namespace {

constexpr size_t kChunk = 64 * 1024;

PayloadSeal ReadSeal(ByteSource& file) {
    uint8_t record[kSealRecordSize];
    ReadExactly(file, FindSealRecord(file), record, sizeof record);
    PayloadSeal seal;
    seal.length = LittleEndian(record + 8, 8);
    seal.crc = uint32_t(LittleEndian(record + 16, 4));
    // A stub that no builder sealed carries nothing worth trusting.
    if (seal.length == 0) throw PayloadError("the payload is not sealed");
    return seal;
}

}  // namespace

uint64_t FindSealRecord(ByteSource& file) {
    const PeHeaders h = ReadPeHeaders(file, 0);
    for (uint16_t i = 0; i < h.sectionCount; ++i) {
        const uint64_t section = h.sectionTable + i * kSectionHeaderSize;
        char name[sizeof kSealSectionName];
        ReadExactly(file, section, reinterpret_cast<uint8_t*>(name), sizeof name);
        if (std::memcmp(name, kSealSectionName, sizeof name) != 0) continue;
        const uint64_t rawSize = ReadU32(file, section + 16);
        const uint64_t rawOffset = ReadU32(file, section + 20);
        if (rawSize < kSealRecordSize || rawOffset > h.available || h.available - rawOffset < kSealRecordSize)
            throw PayloadError("the seal section is cut short");
        uint8_t tag[kSealTag.size()];
        ReadExactly(file, rawOffset, tag, sizeof tag);
        if (!std::equal(kSealTag.begin(), kSealTag.end(), tag)) throw PayloadError("the seal has no tag");
        return rawOffset;
    }
    throw PayloadError("the program has no seal");
}

std::array<uint8_t, kSealRecordSize> SealRecordBytes(const PayloadSeal& seal) {
    std::array<uint8_t, kSealRecordSize> record{};
    std::copy(kSealTag.begin(), kSealTag.end(), record.begin());
    PutLittleEndian(record.data() + 8, seal.length, 8);
    PutLittleEndian(record.data() + 16, seal.crc, 4);
    return record;
}

PayloadSeal VerifyPayloadSeal(ByteSource& file) {
    const PayloadSeal seal = ReadSeal(file);
    const uint64_t start = PeImageEnd(file, 0);
    if (start > file.Size() || file.Size() - start < seal.length) throw PayloadError("the payload is cut short");
    std::vector<uint8_t> buffer(kChunk);
    uint32_t crc = 0;
    file.Seek(start);
    for (uint64_t left = seal.length; left > 0;) {
        const size_t chunk = size_t(std::min<uint64_t>(left, kChunk));
        if (file.Read(buffer.data(), chunk) != chunk) throw PayloadError("the payload is cut short");
        crc = Crc32(buffer.data(), chunk, crc);
        left -= chunk;
    }
    if (crc != seal.crc) throw PayloadError("the payload is damaged");
    return seal;
}
