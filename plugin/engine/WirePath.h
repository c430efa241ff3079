// The marked wire as a path of pieces: a wire that sags is marked with
// several points along it, and each pair of neighbours is one straight piece.
#pragma once

#include "ParamBlocks.h"

struct WirePath {
    WirePoint points[kMaxWirePoints];
    int32 count = 0;
};

// The marked points in order, without a point that lies less than two pixels
// (a strip of fewer than two rows) from the one kept before it. The caller
// has checked that pointCount is 2 .. kMaxWirePoints.
WirePath ReadWirePath(const PluginData& data);

// The ends of piece k (0 <= k < count - 1). At a joint with a further piece
// the strip reaches past the point, by up to `overlap` pixels and never
// farther than the next point, so that it holds the wire as it runs through
// the joint; the path's own two ends stay where they were marked.
void PieceEnds(const WirePath& path, int32 k, int32 overlap, WirePoint& first, WirePoint& last);
