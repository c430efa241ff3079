// Estimate of the wire's thickness from the distances between its edges.
#pragma once

#include "HostBuffer.h"
#include "WireJob.h"

// Sets job.wireThickness (even, at least 2) from the strip's gradients.
// Reports one progress step between the edge histogram and the peak search;
// false with the result set on cancel or when no buffer can be had.
bool EstimateThickness(WireJob& job, const HostGrid& gradients);
