// The two edges of the wire, followed through the strip by a two-path dynamic
// programme: path A along the falling edge, path B along the rising one.
#pragma once

#include "HostBuffer.h"
#include "WireJob.h"

struct PathGrids {
    HostGrid scoreA, scoreB;  // int32 best path score reaching each cell
    HostGrid linkA, linkB;    // int32 column in the row above it came from
};

// Scores every cell of rows 1 to N-2 and reports one progress step after the
// last row. False with the result set on cancel or allocation failure.
bool TraceEdges(WireJob& job, const HostGrid& gradients, PathGrids& paths);

// The coupling bonus of one traced row (stripWidth W, thickness T): +2 to
// every position of one path within T-1 columns of the other's best position.
void CoupleRow(int32* scoreA, int32* scoreB, int32 W, int32 T);

// Follows both paths back from the best cells of row N-2 and marks the
// columns between them with 1 in the zeroed job.mask.
void Backtrack(const PathGrids& paths, WireJob& job);
