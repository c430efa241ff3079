#include "PeHeaders.h"

#include "LittleEndian.h"
#include "PayloadError.h"

namespace {

constexpr uint64_t kDosHeaderSize = 64;
constexpr uint64_t kNewHeaderOffsetField = 0x3C;
constexpr uint64_t kFileHeaderSize = 20;  // after the four signature bytes
constexpr uint16_t kMaxSections = 96;
// Up to SizeOfHeaders, which both PE32 and PE32+ keep at offset 60.
constexpr uint16_t kMinOptionalHeaderSize = 64;
constexpr uint16_t kMachineX86 = 0x14C;
constexpr uint16_t kMachineX64 = 0x8664;

}  // namespace

uint16_t ReadU16(ByteSource& file, uint64_t position) {
    uint8_t b[2];
    ReadExactly(file, position, b, sizeof b);
    return uint16_t(LittleEndian(b, 2));
}

uint32_t ReadU32(ByteSource& file, uint64_t position) {
    uint8_t b[4];
    ReadExactly(file, position, b, sizeof b);
    return uint32_t(LittleEndian(b, 4));
}

PeHeaders ReadPeHeaders(ByteSource& file, uint64_t start) {
    const uint64_t fileSize = file.Size();
    if (start > fileSize || fileSize - start < kDosHeaderSize) throw PayloadError("too short for a PE image");
    PeHeaders h{};
    h.available = fileSize - start;

    uint8_t dos[kDosHeaderSize];
    ReadExactly(file, start, dos, sizeof dos);
    if (dos[0] != 'M' || dos[1] != 'Z') throw PayloadError("no MZ header");
    const uint64_t peHeader = LittleEndian(dos + kNewHeaderOffsetField, 4);
    if (peHeader > h.available || h.available - peHeader < 4 + kFileHeaderSize)
        throw PayloadError("the PE header lies outside the file");

    uint8_t head[4 + kFileHeaderSize];
    ReadExactly(file, start + peHeader, head, sizeof head);
    if (head[0] != 'P' || head[1] != 'E' || head[2] != 0 || head[3] != 0) throw PayloadError("no PE signature");
    h.machine = uint16_t(LittleEndian(head + 4, 2));
    h.sectionCount = uint16_t(LittleEndian(head + 6, 2));
    h.optionalHeaderSize = uint16_t(LittleEndian(head + 20, 2));
    if (h.sectionCount > kMaxSections) throw PayloadError("too many sections");
    if (h.optionalHeaderSize < kMinOptionalHeaderSize) throw PayloadError("the optional header is too short");

    h.optionalHeader = peHeader + 4 + kFileHeaderSize;
    h.sectionTable = h.optionalHeader + h.optionalHeaderSize;
    if (h.sectionTable + h.sectionCount * kSectionHeaderSize > h.available)
        throw PayloadError("the section table lies outside the file");
    h.optionalMagic = ReadU16(file, start + h.optionalHeader);
    return h;
}

int PeBitness(const PeHeaders& headers) {
    if (headers.machine == kMachineX86 && headers.optionalMagic == kPe32Magic) return 32;
    if (headers.machine == kMachineX64 && headers.optionalMagic == kPe32PlusMagic) return 64;
    return 0;
}
