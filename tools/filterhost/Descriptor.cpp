#include "Descriptor.h"

#include <algorithm>

#include "ByteIo.h"

namespace {

constexpr uint32_t kMagic = FourCC("FHds");
constexpr uint32_t kMaxEntries = 4096;
constexpr size_t kMaxValueBytes = 16 << 20;

}  // namespace

Bytes IntegerBytes(int32_t value) {
    ByteWriter w;
    w.u32(uint32_t(value));
    return w.bytes();
}

void Descriptor::put(DescriptorKeyID key, DescriptorTypeID type, Bytes value) {
    auto it = std::find_if(entries_.begin(), entries_.end(), [&](const DescriptorEntry& e) { return e.key == key; });
    if (it != entries_.end()) *it = {key, type, std::move(value)};
    else entries_.push_back({key, type, std::move(value)});
}

void Descriptor::putInteger(DescriptorKeyID key, int32_t value) { put(key, typeInteger, IntegerBytes(value)); }

std::optional<int32_t> Descriptor::integer(DescriptorKeyID key) const {
    for (const DescriptorEntry& e : entries_)
        if (e.key == key && e.type == typeInteger) return ByteReader(e.value, "integer").i32();
    return std::nullopt;
}

bool Descriptor::erase(DescriptorKeyID key) {
    auto it = std::remove_if(entries_.begin(), entries_.end(), [&](const DescriptorEntry& e) { return e.key == key; });
    bool found = it != entries_.end();
    entries_.erase(it, entries_.end());
    return found;
}

Bytes Descriptor::serialize() const {
    ByteWriter w;
    w.u32(kMagic);
    w.u32(uint32_t(entries_.size()));
    for (const DescriptorEntry& e : entries_) {
        w.u32(e.key);
        w.u32(e.type);
        w.blob(e.value);
    }
    return w.bytes();
}

Descriptor Descriptor::Parse(const Bytes& bytes) {
    ByteReader r(bytes, "descriptor");
    if (r.u32() != kMagic) r.fail("not a descriptor");
    uint32_t count = r.u32();
    if (count > kMaxEntries) r.fail("too many entries");
    Descriptor d;
    for (uint32_t i = 0; i < count; ++i) {
        DescriptorKeyID key = r.u32();
        DescriptorTypeID type = r.u32();
        Bytes value = r.blob(kMaxValueBytes);
        if (type == typeInteger && value.size() != 4) r.fail("an integer entry is not 4 bytes");
        d.put(key, type, std::move(value));
    }
    if (r.remaining() != 0) r.fail("unexpected bytes after the entries");
    return d;
}
