#include "Random.h"

namespace {

uint32_t randSeed = 0;

}  // namespace

void Randomize(uint32_t seed) { randSeed = seed; }

int Random(int range) {
    if (range <= 0) return 0;
    randSeed = randSeed * 134775813u + 1;  // a linear congruential step; the high bits scale to the range
    return int((uint64_t(randSeed) * uint32_t(range)) >> 32);
}
