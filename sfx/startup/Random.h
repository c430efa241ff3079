// The program's one random-number generator, seeded from the clock at
// start-up; it draws the work folder's number and the "%temp-unique%" name.
#pragma once

#include <cstdint>

void Randomize(uint32_t seed);
// A number in 0..range-1 (0 when range is not positive).
int Random(int range);
