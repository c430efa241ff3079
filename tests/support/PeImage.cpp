#include "PeImage.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <iterator>

namespace {

constexpr uint16_t kPe32Magic = 0x10B;
constexpr uint16_t kPe32PlusMagic = 0x20B;
constexpr uint32_t kMaxSections = 96;
constexpr uint32_t kMaxDirectories = 16;
constexpr uint32_t kMaxNames = 65536;
constexpr uint32_t kMaxImports = 4096;
constexpr uint32_t kMaxString = 4096;
constexpr uint32_t kHighBit = 0x80000000u;
constexpr size_t kSymbolSize = 18;
constexpr size_t kSectionHeaderSize = 40;

enum DirectoryIndex { kExportDirectory = 0, kImportDirectory = 1, kResourceDirectory = 2 };

std::string Hex(uint64_t v) {
    static const char digits[] = "0123456789abcdef";
    std::string s;
    do {
        s.insert(s.begin(), digits[v & 15]);
        v >>= 4;
    } while (v);
    return "0x" + s;
}

}  // namespace

PeImage PeImage::Load(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw PeError("cannot open '" + path.string() + "'");
    return PeImage(ByteVector(std::istreambuf_iterator<char>(in), {}));
}

PeImage::PeImage(ByteVector bytes) : bytes_(std::move(bytes)) {
    if (u16(0) != 0x5A4D) throw PeError("no MZ header");
    const uint32_t pe = u32(0x3C);
    if (u32(pe) != 0x00004550) throw PeError("no PE signature at " + Hex(pe));
    const size_t coff = size_t(pe) + 4;
    machine_ = u16(coff);
    const uint32_t sectionCount = u16(coff + 2);
    symbolTable_ = u32(coff + 8);
    symbolCount_ = u32(coff + 12);
    const size_t optionalSize = u16(coff + 16);
    characteristics_ = u16(coff + 18);

    const size_t optional = coff + 20;
    const uint16_t magic = u16(optional);
    if (magic != kPe32Magic && magic != kPe32PlusMagic) throw PeError("unknown optional header " + Hex(magic));
    pe32_ = magic == kPe32Magic;
    sizeOfHeaders_ = u32(optional + 60);
    const size_t countField = optional + (pe32_ ? 92 : 108);
    const uint32_t directoryCount = std::min(u32(countField), kMaxDirectories);
    if (countField + 4 + size_t(directoryCount) * 8 > optional + optionalSize)
        throw PeError("data directories run past the optional header");
    for (uint32_t i = 0; i < directoryCount; ++i)
        directories_.push_back({u32(countField + 4 + i * 8), u32(countField + 8 + i * 8)});

    if (sectionCount > kMaxSections) throw PeError("too many sections");
    for (uint32_t i = 0; i < sectionCount; ++i) {
        const size_t s = optional + optionalSize + i * kSectionHeaderSize;
        check(s, kSectionHeaderSize);
        std::string name(reinterpret_cast<const char*>(&bytes_[s]), 8);
        name.resize(std::min(name.find('\0'), name.size()));
        sections_.push_back({name, u32(s + 12), u32(s + 8), u32(s + 20), u32(s + 16), u32(s + 36)});
    }
}

const PeSection* PeImage::sectionAt(uint32_t rva) const {
    for (const PeSection& s : sections_) {
        const uint64_t extent = std::max(s.virtualSize, s.rawSize);
        if (rva >= s.virtualAddress && rva < uint64_t(s.virtualAddress) + extent) return &s;
    }
    return nullptr;
}

std::vector<PeExport> PeImage::exports() const {
    std::vector<PeExport> result;
    if (directories_.size() <= kExportDirectory || directories_[kExportDirectory].rva == 0) return result;
    const uint32_t dir = offsetOf(directories_[kExportDirectory].rva, 40);
    const uint32_t functionCount = u32(dir + 20), nameCount = u32(dir + 24);
    const uint32_t functions = u32(dir + 28), names = u32(dir + 32), ordinals = u32(dir + 36);
    if (nameCount > kMaxNames) throw PeError("too many export names");
    for (uint32_t i = 0; i < nameCount; ++i) {
        const uint32_t nameRva = u32(offsetOf(names + 4 * i, 4));
        const uint16_t ordinal = u16(offsetOf(ordinals + 2 * i, 2));
        if (ordinal >= functionCount) throw PeError("export ordinal out of range");
        result.push_back({stringAt(nameRva), u32(offsetOf(functions + 4 * uint32_t(ordinal), 4))});
    }
    return result;
}

std::vector<std::string> PeImage::importedDlls() const {
    std::vector<std::string> result;
    if (directories_.size() <= kImportDirectory || directories_[kImportDirectory].rva == 0) return result;
    for (uint32_t i = 0;; ++i) {
        if (i == kMaxImports) throw PeError("import table without end");
        const uint32_t d = offsetOf(directories_[kImportDirectory].rva + 20 * i, 20);
        const uint32_t name = u32(d + 12);
        if (name == 0 && u32(d) == 0) return result;
        result.push_back(stringAt(name));
    }
}

std::vector<std::string> PeImage::importedFunctions() const {
    std::vector<std::string> result;
    if (directories_.size() <= kImportDirectory || directories_[kImportDirectory].rva == 0) return result;
    const uint32_t entrySize = pe32_ ? 4 : 8;
    for (uint32_t i = 0;; ++i) {
        if (i == kMaxImports) throw PeError("import table without end");
        const uint32_t d = offsetOf(directories_[kImportDirectory].rva + 20 * i, 20);
        if (u32(d + 12) == 0 && u32(d) == 0) return result;
        // The lookup table, or the address table where a linker left none.
        const uint32_t lookup = u32(d) != 0 ? u32(d) : u32(d + 16);
        for (uint32_t j = 0;; ++j) {
            if (j == kMaxImports) throw PeError("import lookup table without end");
            const uint32_t entry = offsetOf(lookup + entrySize * j, entrySize);
            const uint32_t low = u32(entry), high = pe32_ ? 0 : u32(entry + 4);
            if (low == 0 && high == 0) break;
            const bool byOrdinal = pe32_ ? (low & kHighBit) != 0 : (high & kHighBit) != 0;
            if (!byOrdinal) result.push_back(stringAt(low + 2));  // after the hint
        }
    }
}

std::optional<ByteVector> PeImage::resource(const ResourceKey& type, const ResourceKey& name,
                                            uint16_t language) const {
    if (directories_.size() <= kResourceDirectory || directories_[kResourceDirectory].rva == 0) return std::nullopt;
    const std::optional<uint32_t> types = resourceEntry(0, type);
    if (!types) return std::nullopt;
    if (!(*types & kHighBit)) throw PeError("resource type entry is not a directory");
    const std::optional<uint32_t> names = resourceEntry(*types & ~kHighBit, name);
    if (!names) return std::nullopt;
    if (!(*names & kHighBit)) throw PeError("resource name entry is not a directory");
    const std::optional<uint32_t> leaf = resourceEntry(*names & ~kHighBit, language);
    if (!leaf) return std::nullopt;
    if (*leaf & kHighBit) throw PeError("resource language entry is not data");
    const uint32_t entry = offsetOf(directories_[kResourceDirectory].rva + *leaf, 16);
    return bytesAt(u32(entry), u32(entry + 4));
}

std::optional<uint32_t> PeImage::resourceEntry(uint32_t directory, const ResourceKey& key) const {
    const uint32_t base = directories_[kResourceDirectory].rva;
    const uint32_t dir = offsetOf(base + directory, 16);
    const uint32_t count = uint32_t(u16(dir + 12)) + u16(dir + 14);
    for (uint32_t i = 0; i < count; ++i) {
        const uint32_t entry = offsetOf(base + directory + 16 + 8 * i, 8);
        const uint32_t nameField = u32(entry);
        const bool named = nameField & kHighBit;
        const bool match = key.id ? !named && (nameField & 0xFFFF) == *key.id
                                  : named && resourceNameIs(nameField & ~kHighBit, key.name);
        if (match) return u32(entry + 4);
    }
    return std::nullopt;
}

bool PeImage::resourceNameIs(uint32_t nameOffset, const std::string& name) const {
    const uint32_t base = directories_[kResourceDirectory].rva;
    const uint32_t length = u16(offsetOf(base + nameOffset, 2));
    if (length != name.size()) return false;
    const uint32_t chars = offsetOf(base + nameOffset + 2, 2 * length);
    for (uint32_t i = 0; i < length; ++i) {
        const uint16_t c = u16(chars + 2 * i);
        if (c > 0x7F || std::toupper(c) != std::toupper(static_cast<unsigned char>(name[i]))) return false;
    }
    return true;
}

std::vector<PeSymbol> PeImage::symbols() const {
    std::vector<PeSymbol> result;
    if (symbolTable_ == 0 || symbolCount_ == 0) return result;
    if (uint64_t(symbolCount_) * kSymbolSize > bytes_.size()) throw PeError("symbol table larger than the file");
    check(symbolTable_, size_t(symbolCount_) * kSymbolSize);
    const size_t strings = symbolTable_ + size_t(symbolCount_) * kSymbolSize;
    for (uint32_t i = 0; i < symbolCount_; i += 1 + u8(symbolTable_ + size_t(i) * kSymbolSize + 17)) {
        const size_t s = symbolTable_ + size_t(i) * kSymbolSize;
        std::string name;
        if (u32(s) == 0) {
            for (size_t p = strings + u32(s + 4); u8(p) != 0 && name.size() < kMaxString; ++p) name += char(u8(p));
        } else {
            name.assign(reinterpret_cast<const char*>(&bytes_[s]), 8);
            name.resize(std::min(name.find('\0'), name.size()));
        }
        result.push_back({name, u32(s + 8), int16_t(u16(s + 12))});
    }
    return result;
}

ByteVector PeImage::bytesAt(uint32_t rva, uint32_t count) const {
    const uint32_t offset = offsetOf(rva, count);
    return ByteVector(bytes_.begin() + offset, bytes_.begin() + offset + count);
}

// Where count bytes from rva lie in the file; they must all be there.
uint32_t PeImage::offsetOf(uint32_t rva, uint32_t count) const {
    uint64_t offset = 0;
    if (uint64_t(rva) + count <= sizeOfHeaders_) {
        offset = rva;
    } else {
        const PeSection* s = sectionAt(rva);
        if (!s || uint64_t(rva - s->virtualAddress) + count > s->rawSize)
            throw PeError(std::to_string(count) + " bytes at RVA " + Hex(rva) + " are not in the file");
        offset = uint64_t(s->rawOffset) + (rva - s->virtualAddress);
    }
    check(size_t(offset), count);
    return uint32_t(offset);
}

std::string PeImage::stringAt(uint32_t rva) const {
    std::string s;
    for (size_t p = offsetOf(rva, 1); u8(p) != 0; ++p) {
        if (s.size() == kMaxString) throw PeError("string at RVA " + Hex(rva) + " without end");
        s += char(u8(p));
    }
    return s;
}

uint8_t PeImage::u8(size_t offset) const {
    check(offset, 1);
    return bytes_[offset];
}

uint16_t PeImage::u16(size_t offset) const {
    check(offset, 2);
    return uint16_t(bytes_[offset] | bytes_[offset + 1] << 8);
}

uint32_t PeImage::u32(size_t offset) const {
    check(offset, 4);
    return uint32_t(u16(offset)) | uint32_t(u16(offset + 2)) << 16;
}

void PeImage::check(size_t offset, size_t count) const {
    if (offset > bytes_.size() || count > bytes_.size() - offset)
        throw PeError(std::to_string(count) + " bytes at file offset " + Hex(offset) + " lie beyond the end (" +
                      Hex(bytes_.size()) + ")");
}
