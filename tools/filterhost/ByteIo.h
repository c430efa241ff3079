// Little-endian serialisation with bounds-checked reading, for the host's own
// file formats and for descriptor handles.
#pragma once

#include <cstddef>
#include <string>

#include "HostConstants.h"

class ByteWriter {
public:
    void u8(uint8_t v);
    void u32(uint32_t v);
    void blob(const Bytes& bytes);  // u32 length, then the bytes
    void raw(const uint8_t* p, size_t n);
    const Bytes& bytes() const { return out_; }

private:
    Bytes out_;
};

// Every read throws HostError("<what>: truncated ...") instead of running past the end.
class ByteReader {
public:
    ByteReader(const uint8_t* data, size_t size, std::string what);
    ByteReader(const Bytes& bytes, std::string what);
    ByteReader(Bytes&&, std::string) = delete;  // would read a temporary

    uint8_t u8();
    uint16_t u16();
    uint32_t u32();
    int32_t i32() { return int32_t(u32()); }
    Bytes raw(size_t n);
    Bytes blob(size_t maxSize);  // u32 length, then that many bytes
    void skip(size_t n);
    size_t offset() const { return pos_; }
    size_t remaining() const { return size_ - pos_; }
    [[noreturn]] void fail(const std::string& why) const;

private:
    void need(size_t n) const;

    const uint8_t* data_;
    size_t size_;
    size_t pos_ = 0;
    std::string what_;
};
