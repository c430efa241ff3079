// The traced band widened by a margin, and its extent per strip row.
#pragma once

#include "WireJob.h"

// Margin radius for thickness T: trunc(4T / 10) + 1, at least 2.
int32 WidenRadius(int32 T);

// Marks with 2 every unmarked cell within the widen radius (square) of a cell
// marked 1 in the strip's interior; cells marked 2 do not spread further.
void WidenMask(WireJob& job);

// Fills runStart/runEnd with the first run of marked cells of each strip row;
// a row without one gets the empty run (stripWidth, stripWidth - 1). False
// (result -108) when the arrays cannot be allocated.
bool FindRuns(WireJob& job);
