// Numbers as the payload, the PE headers and the 7z start header store them:
// the lowest byte first.
#pragma once

#include <cstdint>

inline uint64_t LittleEndian(const uint8_t* p, int bytes) {
    uint64_t v = 0;
    for (int i = bytes - 1; i >= 0; --i) v = (v << 8) | p[i];
    return v;
}

inline void PutLittleEndian(uint8_t* p, uint64_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) p[i] = uint8_t(value >> (8 * i));
}
