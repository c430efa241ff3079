#include "SealedFile.h"

#include <cstring>

#include "ByteIo.h"

namespace {

constexpr size_t kMagicSize = 8;

uint32_t Fnv1a(const Bytes& bytes) {
    uint32_t hash = 2166136261u;
    for (uint8_t b : bytes) hash = (hash ^ b) * 16777619u;
    return hash;
}

}  // namespace

Bytes Seal(const char (&magic)[9], const Bytes& payload) {
    ByteWriter w;
    w.raw(reinterpret_cast<const uint8_t*>(magic), kMagicSize);
    w.blob(payload);
    w.u32(Fnv1a(payload));
    return w.bytes();
}

Bytes Unseal(const char (&magic)[9], const Bytes& file, const std::string& what) {
    ByteReader r(file, what);
    if (file.size() < kMagicSize || std::memcmp(file.data(), magic, kMagicSize) != 0)
        r.fail("not a file of this kind");
    r.skip(kMagicSize);
    Bytes payload = r.blob(file.size());
    if (r.u32() != Fnv1a(payload)) r.fail("damaged (checksum mismatch)");
    if (r.remaining() != 0) r.fail("unexpected bytes after the end");
    return payload;
}
