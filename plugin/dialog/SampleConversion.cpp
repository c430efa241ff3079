#include "SampleConversion.h"

#include <algorithm>
#include <cstring>

namespace {

uint8 FromFloat(const uint8* src) {
    float f;
    std::memcpy(&f, src, sizeof f);
    if (!(f > 0.0f)) return 0;  // also not-a-number
    if (f >= 1.0f) return 255;
    return uint8(f * 255.0f);
}

// 32768 is full intensity: value * 10 div 1285 maps it onto 255.
uint8 From16(const uint8* src) {
    uint16 v;
    std::memcpy(&v, src, sizeof v);
    return uint8(std::min(int32(v) * 10 / 1285, 255));
}

}  // namespace

int32 SampleBytes(int32 depth) { return depth == 32 ? 4 : depth == 16 ? 2 : 1; }

void ConvertSamples(const uint8* src, int32 depth, int32 count, uint8* dst) {
    if (depth == 32) {
        for (int32 i = 0; i < count; ++i) dst[i] = FromFloat(src + size_t(i) * 4);
    } else if (depth == 16) {
        for (int32 i = 0; i < count; ++i) dst[i] = From16(src + size_t(i) * 2);
    } else if (count > 0) {
        std::memcpy(dst, src, size_t(count));
    }
}
