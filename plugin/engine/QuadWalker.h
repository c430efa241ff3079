// Visits the integer pixels of a convex quadrilateral (the wire rectangle),
// limited to a clip area.
#pragma once

#include "WireJob.h"

struct EdgeSpanSegment {
    ImagePoint firstStart, firstEnd;    // first edge
    ImagePoint secondStart, secondEnd;  // second edge
    int32 upperRow, lowerRow;  // the y limits truncated; rows upperRow..lowerRow-1
};

// Pixels [left, right) x [top, bottom); empty when right <= left.
struct PixelBox {
    int32 left, top, right, bottom;
};

// The corners are sorted by y into three bands between horizontal lines through
// them; each row of a band spans from one edge's x to the other's, both ends
// included. Order: bands, rows ascending, x ascending. Only pixels with
// 0 <= x < clipWidth and 0 <= y < clipHeight are visited; clipping does not
// change which of them are visited or in which order.
class QuadWalker {
public:
    // Corners in cyclic order around the quadrilateral.
    QuadWalker(const ImagePoint corners[4], int32 clipWidth, int32 clipHeight);

    void Restart();
    // The next pixel; false when the walk is done.
    bool Next(int32& x, int32& y);
    // The smallest box holding every pixel of the walk. Restarts the walk.
    PixelBox Bounds();

private:
    bool StartNextRow();

    int32 band_ = 0;  // 3 when done
    EdgeSpanSegment bands_[3];
    int32 x_ = 0, y_ = 0, spanStart_ = 0, spanEnd_ = 0;
    int32 clipWidth_, clipHeight_;
};
