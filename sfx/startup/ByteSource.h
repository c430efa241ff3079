// The program's view of its own executable file: positioned reads and seeks.
// The Windows file and the tests' byte arrays both stand behind it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

class ByteSource {
public:
    virtual ~ByteSource() = default;
    // Reads up to size bytes at the position and moves past them; returns how
    // many were read, fewer only at the end of the file. Throws PayloadError
    // when the read itself fails.
    virtual size_t Read(uint8_t* data, size_t size) = 0;
    // Moves to an absolute position, which may lie past the end of the file.
    virtual void Seek(uint64_t position) = 0;
    virtual uint64_t Position() const = 0;
    virtual uint64_t Size() const = 0;
};

// Reads exactly size bytes at position, or throws PayloadError.
void ReadExactly(ByteSource& source, uint64_t position, uint8_t* data, size_t size);

// A byte array as a source.
class MemorySource : public ByteSource {
public:
    explicit MemorySource(const std::vector<uint8_t>& bytes) : bytes_(bytes) {}
    MemorySource(std::vector<uint8_t>&&) = delete;  // would read a temporary

    size_t Read(uint8_t* data, size_t size) override;
    void Seek(uint64_t position) override { position_ = position; }
    uint64_t Position() const override { return position_; }
    uint64_t Size() const override { return bytes_.size(); }

private:
    const std::vector<uint8_t>& bytes_;
    uint64_t position_ = 0;
};
