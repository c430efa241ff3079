// Number conversions shared by the engine.
#pragma once

#include <algorithm>

#include "HostInterface.h"

// Double to int32 toward zero. Saturates at +-INT32_MAX so that positions far
// outside any image (points from scripting are not checked) stay defined; the
// symmetric limit keeps the negation of the strip's folding rule in range.
inline int32 TruncateToInt(double v) {
    constexpr double kLimit = 2147483647.0;
    if (v >= kLimit) return 2147483647;
    if (!(v > -kLimit)) return -2147483647;
    return int32(v);
}

// The range of a sample: 0..255 at 8 bits, 0..32768 at the hosts' 16 bits.
template <typename Sample>
struct SampleRange;
template <>
struct SampleRange<uint8> {
    static constexpr int32 kMax = 255;
};
template <>
struct SampleRange<uint16> {
    static constexpr int32 kMax = 32768;
};

template <typename Sample>
Sample ClampSample(int32 v) {
    return Sample(v < 0 ? 0 : v > SampleRange<Sample>::kMax ? SampleRange<Sample>::kMax : v);
}

// A difference of `levels` 8-bit levels in samples of this type.
template <typename Sample>
constexpr double EightBitLevels(double levels) {
    return SampleRange<Sample>::kMax * levels / 255.0;
}

// A sample as the 8-bit level nearest to it; 32768 is 255.
inline uint8 ToByte(uint8 v) { return v; }
inline uint8 ToByte(uint16 v) {
    constexpr int32 kMax = SampleRange<uint16>::kMax;
    return uint8((std::min<int32>(v, kMax) * 255 + kMax / 2) / kMax);
}
