// A reader of PE image files (Windows DLLs and executables): sections, export
// names, imported DLL names, resources and the COFF symbol table. Every offset
// and count read from the file is checked against the file before it is
// followed; anything that points outside throws PeError.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

using ByteVector = std::vector<uint8_t>;

class PeError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct PeSection {
    std::string name;
    uint32_t virtualAddress;
    uint32_t virtualSize;
    uint32_t rawOffset;
    uint32_t rawSize;
    uint32_t characteristics;
};

struct PeExport {
    std::string name;
    uint32_t rva;
};

struct PeSymbol {
    std::string name;
    uint32_t value;  // offset within its section
    int16_t section;  // 1-based; 0 and below are not in a section
};

// A resource type or name: a numeric identifier or a string.
struct ResourceKey {
    ResourceKey(uint16_t id) : id(id) {}  // NOLINT: numbers and names are used alike
    ResourceKey(const char* name) : name(name) {}  // NOLINT
    std::optional<uint16_t> id;
    std::string name;
};

class PeImage {
public:
    explicit PeImage(ByteVector bytes);  // throws PeError unless the headers are sound
    static PeImage Load(const std::filesystem::path& path);

    uint16_t machine() const { return machine_; }
    uint16_t characteristics() const { return characteristics_; }
    bool isPe32() const { return pe32_; }
    const std::vector<PeSection>& sections() const { return sections_; }
    const PeSection* sectionAt(uint32_t rva) const;

    std::vector<PeExport> exports() const;
    std::vector<std::string> importedDlls() const;
    // Every function imported by name, from every DLL.
    std::vector<std::string> importedFunctions() const;
    // The data of one resource, nothing when there is none of that type, name and language.
    std::optional<ByteVector> resource(const ResourceKey& type, const ResourceKey& name, uint16_t language) const;
    std::vector<PeSymbol> symbols() const;  // empty when the file carries none

    ByteVector bytesAt(uint32_t rva, uint32_t count) const;

private:
    struct Directory {
        uint32_t rva = 0;
        uint32_t size = 0;
    };

    uint32_t offsetOf(uint32_t rva, uint32_t count) const;
    std::string stringAt(uint32_t rva) const;
    uint8_t u8(size_t offset) const;
    uint16_t u16(size_t offset) const;
    uint32_t u32(size_t offset) const;
    void check(size_t offset, size_t count) const;
    // The entry of a resource directory that matches key: its offset field.
    std::optional<uint32_t> resourceEntry(uint32_t directory, const ResourceKey& key) const;
    bool resourceNameIs(uint32_t nameOffset, const std::string& name) const;

    ByteVector bytes_;
    uint16_t machine_ = 0;
    uint16_t characteristics_ = 0;
    bool pe32_ = false;
    uint32_t sizeOfHeaders_ = 0;
    uint32_t symbolTable_ = 0;
    uint32_t symbolCount_ = 0;
    std::vector<Directory> directories_;
    std::vector<PeSection> sections_;
};

constexpr uint16_t kMachineI386 = 0x14C;
constexpr uint16_t kMachineAmd64 = 0x8664;
constexpr uint16_t kImageFileDll = 0x2000;
constexpr uint32_t kSectionExecutable = 0x20000000;
