// Random numbers in a range, from draws of the system's random source; they
// name the work folder and the "%temp-unique%" folder, names nobody may guess.
#pragma once

#include <cstdint>

// The draw scaled to 0..range-1 (0 when range is not positive).
int RandomBelow(uint64_t draw, int range);
