// The system's cryptographic random source.
#pragma once

#include <cstdint>

// 64 random bits. Throws PayloadError when the source fails.
uint64_t SystemRandom();
