#include "LoadedImage.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "LittleEndian.h"
#include "PayloadError.h"
#include "PeHeaders.h"

namespace {

constexpr uint32_t kSectionWritable = 0x80000000;  // IMAGE_SCN_MEM_WRITE
constexpr size_t kRelocationDirectory = 5;
constexpr size_t kImportAddressDirectory = 12;
constexpr unsigned kRelocationSkip = 0;     // IMAGE_REL_BASED_ABSOLUTE: padding
constexpr unsigned kRelocationHighLow = 3;  // 32 bits
constexpr unsigned kRelocationDir64 = 10;   // 64 bits
// Images larger than this are no program of ours.
constexpr uint64_t kMaxImageSize = 64u << 20;

struct Span {
    uint64_t start = 0;
    uint64_t end = 0;
};

// The optional header's fields that differ between PE32 and PE32+.
struct ImageLayout {
    Span imageBaseField;  // rewritten by the loader when it relocates the image
    uint64_t imageBase = 0;
    uint64_t sizeOfImage = 0;
    uint64_t sizeOfHeaders = 0;
    std::vector<Span> directories;
};

ImageLayout ReadLayout(ByteSource& file, const PeHeaders& h) {
    const bool plus = h.optionalMagic == kPe32PlusMagic;
    if (!plus && h.optionalMagic != kPe32Magic) throw PayloadError("neither PE32 nor PE32+");
    const uint64_t countField = plus ? 108 : 92;
    if (h.optionalHeaderSize < countField + 4) throw PayloadError("the optional header is too short");
    ImageLayout layout;
    const uint64_t baseField = plus ? 24 : 28;
    const uint64_t baseSize = plus ? 8 : 4;
    layout.imageBaseField = {h.optionalHeader + baseField, h.optionalHeader + baseField + baseSize};
    layout.imageBase = plus ? (uint64_t(ReadU32(file, layout.imageBaseField.start + 4)) << 32) |
                                  ReadU32(file, layout.imageBaseField.start)
                            : ReadU32(file, layout.imageBaseField.start);
    layout.sizeOfImage = ReadU32(file, h.optionalHeader + kSizeOfImageField);
    layout.sizeOfHeaders = ReadU32(file, h.optionalHeader + kSizeOfHeadersField);
    const uint64_t count = std::min<uint64_t>(ReadU32(file, h.optionalHeader + countField),
                                              (h.optionalHeaderSize - countField - 4) / 8);
    for (uint64_t i = 0; i < count; ++i) {
        const uint64_t entry = h.optionalHeader + countField + 4 + 8 * i;
        const uint64_t rva = ReadU32(file, entry);
        layout.directories.push_back({rva, rva + ReadU32(file, entry + 4)});
    }
    return layout;
}

Span Directory(const ImageLayout& layout, size_t index) {
    return index < layout.directories.size() ? layout.directories[index] : Span{};
}

struct Section {
    Span mapped;  // where the loader puts it
    uint64_t rawOffset = 0;
    uint64_t rawSize = 0;
    bool writable = false;
};

std::vector<Section> ReadSections(ByteSource& file, const PeHeaders& h) {
    std::vector<Section> sections;
    for (uint16_t i = 0; i < h.sectionCount; ++i) {
        const uint64_t header = h.sectionTable + i * kSectionHeaderSize;
        Section s;
        const uint64_t virtualSize = ReadU32(file, header + 8);
        s.mapped.start = ReadU32(file, header + 12);
        s.rawSize = ReadU32(file, header + 16);
        s.rawOffset = ReadU32(file, header + 20);
        s.mapped.end = s.mapped.start + (virtualSize != 0 ? virtualSize : s.rawSize);
        s.writable = (ReadU32(file, header + 36) & kSectionWritable) != 0;
        sections.push_back(s);
    }
    return sections;
}

// The headers and every section's file bytes where the loader maps them; the
// rest of the image is zero, as in memory.
std::vector<uint8_t> LayOut(ByteSource& file, const ImageLayout& layout, const std::vector<Section>& sections) {
    std::vector<uint8_t> image(layout.sizeOfImage);
    if (layout.sizeOfHeaders > image.size()) throw PayloadError("the headers are larger than the image");
    ReadExactly(file, 0, image.data(), size_t(layout.sizeOfHeaders));
    for (const Section& s : sections) {
        if (s.mapped.end > image.size()) throw PayloadError("a section lies outside the image");
        const uint64_t length = std::min(s.rawSize, s.mapped.end - s.mapped.start);
        if (length > 0) ReadExactly(file, s.rawOffset, image.data() + s.mapped.start, size_t(length));
    }
    return image;
}

void AddAt(std::vector<uint8_t>& image, uint64_t at, int bytes, uint64_t delta) {
    uint64_t value = LittleEndian(image.data() + at, bytes) + delta;
    for (int i = 0; i < bytes; ++i, value >>= 8) image[size_t(at) + i] = uint8_t(value);
}

// Applies the base relocations for a move by delta. False when the table
// has an entry of a kind the loader would apply in a way not known here.
bool Relocate(std::vector<uint8_t>& image, Span table, uint64_t delta) {
    if (table.end > image.size()) throw PayloadError("the relocations lie outside the image");
    for (uint64_t block = table.start; block + 8 <= table.end;) {
        const uint64_t page = LittleEndian(image.data() + block, 4);
        const uint64_t blockSize = LittleEndian(image.data() + block + 4, 4);
        if (blockSize < 8 || blockSize > table.end - block) throw PayloadError("a relocation block is cut short");
        for (uint64_t entry = block + 8; entry + 2 <= block + blockSize; entry += 2) {
            const unsigned word = unsigned(LittleEndian(image.data() + entry, 2));
            const unsigned type = word >> 12;
            if (type == kRelocationSkip) continue;
            const int bytes = type == kRelocationHighLow ? 4 : type == kRelocationDir64 ? 8 : 0;
            if (bytes == 0) return false;
            const uint64_t at = page + (word & 0xFFF);
            if (at + bytes > image.size()) throw PayloadError("a relocation lies outside the image");
            AddAt(image, at, bytes, delta);
        }
        block += blockSize;
    }
    return true;
}

bool SameBytes(const std::vector<uint8_t>& image, const LoadedImage& loaded, Span span, const std::vector<Span>& skipped) {
    for (uint64_t at = span.start; at < span.end;) {
        uint64_t end = span.end;
        bool skip = false;
        for (const Span& s : skipped) {
            if (s.start <= at && at < s.end) skip = true, end = std::min(end, s.end);
            else if (at < s.start) end = std::min(end, s.start);
        }
        if (!skip && std::memcmp(image.data() + at, loaded.bytes + at, size_t(end - at)) != 0) return false;
        at = end;
    }
    return true;
}

}  // namespace

bool IsLoadedImage(ByteSource& file, const LoadedImage& loaded) {
    const PeHeaders h = ReadPeHeaders(file, 0);
    const ImageLayout layout = ReadLayout(file, h);
    if (layout.sizeOfImage > kMaxImageSize) throw PayloadError("the image is too large");
    if (layout.sizeOfImage != loaded.size) return false;
    const std::vector<Section> sections = ReadSections(file, h);
    std::vector<uint8_t> image = LayOut(file, layout, sections);
    // A 32-bit image's addresses wrap at 32 bits, which AddAt's four bytes do.
    if (loaded.base != layout.imageBase && !Relocate(image, Directory(layout, kRelocationDirectory), loaded.base - layout.imageBase))
        return false;
    const std::vector<Span> filledByLoader = {layout.imageBaseField, Directory(layout, kImportAddressDirectory)};
    if (!SameBytes(image, loaded, {0, layout.sizeOfHeaders}, filledByLoader)) return false;
    for (const Section& s : sections)
        if (!s.writable && !SameBytes(image, loaded, s.mapped, filledByLoader)) return false;
    return true;
}
