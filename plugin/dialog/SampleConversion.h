// Host samples of any depth as the 8-bit values the preview shows.
#pragma once

#include "HostInterface.h"

// Bytes one sample takes at the host's depth: 4 at 32 (floating point), 2 at
// 16, 1 otherwise.
int32 SampleBytes(int32 depth);

// Converts count consecutive samples of the given depth from src into dst:
// floating point 0.0..1.0 and 16-bit 0..32768 onto 0..255, clamped; 8-bit
// samples are copied. src needs no alignment.
void ConvertSamples(const uint8* src, int32 depth, int32 count, uint8* dst);
