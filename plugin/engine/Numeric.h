// Number conversions shared by the engine.
#pragma once

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

inline uint8 ClampByte(int32 v) { return uint8(v < 0 ? 0 : v > 255 ? 255 : v); }
