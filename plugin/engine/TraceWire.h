// Finds the wire in the strip once per run, from plane 0.
#pragma once

#include "WireJob.h"

// Samples plane 0 into the strip and fills job.mask, runStart, runEnd and
// wireThickness, reporting 5 progress steps. False with the result set when
// the host fails, a buffer cannot be had, or the user cancels. Its temporary
// grids are released before it returns.
bool TraceWire(WireJob& job);
