// Which planes of the host's image a run reads and writes, from its mode, its
// depth and its layer planes.
#pragma once

#include "HostInterface.h"

// The black plane of a CMYK image, which the tracing reads beside cyan.
constexpr int16 kBlackPlane = 3;

struct PlaneSet {
    int32 sampleBytes = 0;        // 1, or 2 for the 16-bit modes
    int16 colourPlanes = 0;       // planes 0 .. colourPlanes - 1 are repaired
    bool traceWithBlack = false;  // CMYK: the wire may lie in the black plane
};

// Grey, RGB, CMYK and Lab in 8 and 16 bits. A flat image has every plane
// repaired; a layer with transparency only its colour planes, which its layer
// plane count names and which lie ahead of the transparency plane. False for
// any other mode, and for plane counts that do not fit one another.
bool ReadPlaneSet(const FilterRecord& record, PlaneSet& set);
