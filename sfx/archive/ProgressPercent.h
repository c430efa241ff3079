// A percentage of the handler's byte counts, as the progress event carries it.
#pragma once

#include <cstdint>

// done × 100 div total, passed on as its low 8 bits: nothing caps it at 100,
// since the handler's counts cover a whole run. Counts too large to multiply
// by 100 are divided first. total must not be 0.
uint8_t ProgressPercent(uint64_t done, uint64_t total);
