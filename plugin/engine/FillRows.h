// Fills the wire's run in every strip row from the cells beside it, for 8-
// and 16-bit samples alike; values are clamped to the sample's range.
#pragma once

#include "WireJob.h"

// Runs FillRow over every strip row with its run extents.
template <typename Sample>
void FillRows(WireJob& job);

// Rewrites cells a..b of a row of W cells: the cubic when four cells on each
// side lie outside the run (a > 3 and b < W - 4), otherwise the line.
template <typename Sample>
void FillRow(Sample* row, int32 W, int32 a, int32 b);

// Cubic through the mean level and slope of the four cells on each side.
template <typename Sample>
void FillRowCubic(Sample* row, int32 a, int32 b);

// Least-squares line through up to two cells on each side. One reference cell
// gives its value to the run; none leaves the row as it is.
template <typename Sample>
void FillRowLinear(Sample* row, int32 W, int32 a, int32 b);
