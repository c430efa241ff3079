#include "ByteSource.h"

#include <cstring>

#include "PayloadError.h"

void ReadExactly(ByteSource& source, uint64_t position, uint8_t* data, size_t size) {
    source.Seek(position);
    if (source.Read(data, size) != size) throw PayloadError("the file ends inside a header");
}

size_t MemorySource::Read(uint8_t* data, size_t size) {
    if (position_ >= bytes_.size()) return 0;
    const uint64_t left = bytes_.size() - position_;
    const size_t count = size < left ? size : size_t(left);
    if (count) std::memcpy(data, bytes_.data() + position_, count);
    position_ += count;
    return count;
}
