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

// A limit at one end of a piece, facing out of it. The strip reaches past
// its points so that the wire's course is measured there too, where a
// polynomial through it is still held on both sides; but each piece writes
// only its own stretch, to `reach` pixels past its points.
struct EndCap {
    double x = 0, y = 0;    // the point's pixel centre
    double ux = 0, uy = 0;  // unit direction out of the piece
    double reach = 0;
};

// The caps of piece k: `endReach` past the path's own two ends, `jointReach`
// past a joint with the next or the previous piece.
void PieceCaps(const WirePath& path, int32 k, double endReach, double jointReach, EndCap caps[2]);

// Whether image position (x, y) lies beyond either cap.
bool BeyondCaps(const EndCap caps[2], double x, double y);

// The ends of piece k (0 <= k < count - 1). At a joint with a further piece
// the strip reaches past the point, by up to `overlap` pixels and never
// farther than the next point, so that it holds the wire as it runs through
// the joint; at the path's own two ends it reaches `endReach` pixels past
// them.
void PieceEnds(const WirePath& path, int32 k, int32 overlap, int32 endReach, WirePoint& first, WirePoint& last);
