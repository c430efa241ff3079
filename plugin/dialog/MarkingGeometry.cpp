#include "MarkingGeometry.h"

#include <algorithm>
#include <cmath>

#include "Numeric.h"
#include "PreviewState.h"

ScreenRect PointMarkerBox(const ScreenRect& image) {
    const double s = View().scale;
    const double cx = gData->startH / s + image.left;
    const double cy = gData->startV / s + image.top;
    const int32 r = TruncateToInt((gParams->wireAreaWidth / s + 1) * 0.5);
    return {TruncateToInt(cx - r), TruncateToInt(cy - r), TruncateToInt(cx + r), TruncateToInt(cy + r)};
}

WireOutline GetWireOutline(const ScreenRect& image, int32 piece) {
    // Never read past the record's last point, whatever the caller asks.
    piece = std::clamp(piece, 0, kMaxWirePoints - 2);
    const WirePoint from = WirePointAt(*gData, piece);
    const WirePoint to = WirePointAt(*gData, piece + 1);
    const double k = 1.0 / View().scale;
    const double width = gParams->wireAreaWidth * k;
    const double dx = (double(to.h) - from.h) * k;
    const double dy = (double(to.v) - from.v) * k;
    const double length = std::sqrt(dx * dx + dy * dy);
    const double ux = length > 0 ? dx / length : 1.0;
    const double uy = length > 0 ? dy / length : 0.0;

    // The normal of the segment, as long as the width; the outline starts
    // half of it beside the piece's first point.
    const int32 p = TruncateToInt(-uy * width);
    const int32 q = TruncateToInt(ux * width);
    const int32 x0 = TruncateToInt(from.h * k + p / 2 + image.left);
    const int32 y0 = TruncateToInt(from.v * k + q / 2 + image.top);
    const int32 along = TruncateToInt(length * ux);
    const int32 down = TruncateToInt(length * uy);
    const ScreenPoint first{x0, y0};
    const ScreenPoint side{Saturate(int64(x0) - p), Saturate(int64(y0) - q)};
    return {first, side, ScreenPoint{Saturate(int64(side.x) + along), Saturate(int64(side.y) + down)},
            ScreenPoint{Saturate(int64(x0) + along), Saturate(int64(y0) + down)}, first};
}
