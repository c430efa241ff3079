#include "ByteIo.h"

#include "HostError.h"

void ByteWriter::u8(uint8_t v) { out_.push_back(v); }

void ByteWriter::u32(uint32_t v) {
    for (int shift = 0; shift < 32; shift += 8) out_.push_back(uint8_t(v >> shift));
}

void ByteWriter::blob(const Bytes& bytes) {
    u32(uint32_t(bytes.size()));
    raw(bytes.data(), bytes.size());
}

void ByteWriter::raw(const uint8_t* p, size_t n) {
    if (n) out_.insert(out_.end(), p, p + n);
}

ByteReader::ByteReader(const uint8_t* data, size_t size, std::string what)
    : data_(data), size_(size), what_(std::move(what)) {}

ByteReader::ByteReader(const Bytes& bytes, std::string what)
    : ByteReader(bytes.data(), bytes.size(), std::move(what)) {}

void ByteReader::fail(const std::string& why) const { throw HostError(what_ + ": " + why); }

void ByteReader::need(size_t n) const {
    if (n > remaining()) fail("truncated at byte " + std::to_string(pos_));
}

uint8_t ByteReader::u8() {
    need(1);
    return data_[pos_++];
}

uint16_t ByteReader::u16() {
    need(2);
    uint16_t v = uint16_t(data_[pos_] | (data_[pos_ + 1] << 8));
    pos_ += 2;
    return v;
}

uint32_t ByteReader::u32() {
    need(4);
    uint32_t v = 0;
    for (int i = 3; i >= 0; --i) v = (v << 8) | data_[pos_ + size_t(i)];
    pos_ += 4;
    return v;
}

Bytes ByteReader::raw(size_t n) {
    need(n);
    Bytes out(data_ + pos_, data_ + pos_ + n);
    pos_ += n;
    return out;
}

Bytes ByteReader::blob(size_t maxSize) {
    uint32_t n = u32();
    if (n > maxSize) fail("a block of " + std::to_string(n) + " bytes is larger than allowed");
    return raw(n);
}

void ByteReader::skip(size_t n) {
    need(n);
    pos_ += n;
}
