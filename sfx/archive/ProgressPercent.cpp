#include "ProgressPercent.h"

uint8_t ProgressPercent(uint64_t done, uint64_t total) {
    const uint64_t percent = done <= UINT64_MAX / 100 ? done * 100 / total : done / total * 100;
    return uint8_t(percent);
}
