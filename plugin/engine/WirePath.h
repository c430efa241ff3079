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

// A limit beyond one of the path's own two end points, facing outward: the
// strip reaches past the end so that the wire's course is measured there
// too, but pixels more than a few past the marked end are left alone.
struct EndCap {
    bool active = false;
    double x = 0, y = 0;    // the end point's pixel centre
    double ux = 0, uy = 0;  // unit direction out of the path
};

// The caps of piece k: at the path's start for the first piece, at its end
// for the last.
void PieceCaps(const WirePath& path, int32 k, EndCap caps[2]);

// Whether image position (x, y) lies more than `reach` pixels past a cap.
bool BeyondCaps(const EndCap caps[2], double x, double y, double reach);

// The ends of piece k (0 <= k < count - 1). At a joint with a further piece
// the strip reaches past the point, by up to `overlap` pixels and never
// farther than the next point, so that it holds the wire as it runs through
// the joint; at the path's own two ends it reaches `endReach` pixels past
// them.
void PieceEnds(const WirePath& path, int32 k, int32 overlap, int32 endReach, WirePoint& first, WirePoint& last);
