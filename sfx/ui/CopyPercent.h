// The progress of the archive copy out of the executable.
#pragma once

#include <cstdint>

// copied × 100 / remaining, rounded to the nearest whole percent and at most
// 100; remaining must not be 0.
int CopyPercent(uint64_t copied, uint64_t remaining);
