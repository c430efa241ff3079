// Where the marking lies on the preview: a circle around the first point
// while only it is set, the outline of the wire area along each piece once
// two or more are.
#pragma once

#include <array>

#include "ScreenRect.h"

// Bounding box of the circle around the start point, whose diameter is the
// wire area width on the screen.
ScreenRect PointMarkerBox(const ScreenRect& image);

// The closed outline of the wire area along one piece (0-based, below
// WirePieces): a rectangle along the segment from its first to its second
// point, as wide as the wire area on the screen; the fifth point repeats the
// first. When the two points coincide the segment is taken as horizontal, so
// the outline shrinks to a bar across the point.
using WireOutline = std::array<ScreenPoint, 5>;
WireOutline GetWireOutline(const ScreenRect& image, int32 piece);
