// Sobel gradients of the strip, the input of the wire tracing.
#pragma once

#include "WireJob.h"

// gx across the strip (positive: brighter toward higher columns), gy along it.
struct GradientPair {
    int16 gx;
    int16 gy;
};

// Fills a stripWidth by stripLength grid of GradientPair from `shown`, the
// strip as 8-bit levels; the border cells stay zero. False (result -108) when
// the grid cannot be allocated.
bool ComputeGradients(const WireJob& job, const HostGrid& shown, HostGrid& gradients);
