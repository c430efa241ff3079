// The write-back's median pass: for every pixel of the wire rectangle, the
// median of the differences along the wire, following its traced centre line.
#pragma once

#include "BoxMap.h"
#include "QuadWalker.h"
#include "WireJob.h"

// Per strip row, the mean of the run centres of the rows within 4T of it.
// False (result -108) when the arrays cannot be allocated.
bool SmoothCentreline(const WireJob& job, HostBuffer& centre);

// correction(x, y) = difference(x, y) - median of the 2T + 1 differences
// sampled along the wire through (x, y). False (result -108) when the
// temporary arrays cannot be allocated.
bool MedianPass(const WireJob& job, QuadWalker& walker, const BoxMap& difference, BoxMap& correction);
