#include "CopyPercent.h"

#include <cmath>

int CopyPercent(uint64_t copied, uint64_t remaining) {
    if (copied >= remaining) return 100;
    return int(std::lround(double(copied) * 100.0 / double(remaining)));
}
