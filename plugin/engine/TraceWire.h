// Finds the wire in the strip once per run, from the plane that shows it.
#pragma once

#include "PlaneSet.h"
#include "WireJob.h"

// Samples plane 0 into the strip (and for CMYK the black plane beside it),
// and fills job.mask, runStart, runEnd and wireThickness from its 8-bit
// levels, reporting 5 progress steps. False with the result set when the host
// fails, a buffer cannot be had, or the user cancels. Its temporary grids are
// released before it returns.
template <typename Sample>
bool TraceWire(WireJob& job, const PlaneSet& planes);
