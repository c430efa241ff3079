#include "Random.h"

int RandomBelow(uint64_t draw, int range) {
    if (range <= 0) return 0;
    // The high 32 bits scaled: the bias for a range below 2^16 is under 2^-16.
    return int(((draw >> 32) * uint64_t(range)) >> 32);
}
