#include "WirePath.h"

#include <cmath>

#include "Numeric.h"

namespace {

double Distance(WirePoint a, WirePoint b) {
    const double dv = double(a.v) - b.v, dh = double(a.h) - b.h;
    return std::sqrt(dv * dv + dh * dh);
}

// `from` moved away from `toward` along their line, by `by` pixels but at
// most by the length of `beyond` - `from`, the piece on the far side.
WirePoint Extend(WirePoint from, WirePoint toward, WirePoint beyond, int32 by) {
    const double length = Distance(from, toward);
    const double reach = std::min(double(by), Distance(from, beyond));
    const double k = reach / length;
    return {TruncateToInt(std::round(from.v + (double(from.v) - toward.v) * k)),
            TruncateToInt(std::round(from.h + (double(from.h) - toward.h) * k))};
}

}  // namespace

WirePath ReadWirePath(const PluginData& data) {
    WirePath path;
    for (int32 k = 0; k < data.pointCount; ++k) {
        const WirePoint p = WirePointAt(data, k);
        if (path.count > 0 && TruncateToInt(Distance(path.points[path.count - 1], p)) < 2) continue;
        path.points[path.count++] = p;
    }
    return path;
}

void PieceEnds(const WirePath& path, int32 k, int32 overlap, WirePoint& first, WirePoint& last) {
    const WirePoint* p = path.points;
    first = k > 0 ? Extend(p[k], p[k + 1], p[k - 1], overlap) : p[k];
    last = k + 2 < path.count ? Extend(p[k + 1], p[k], p[k + 2], overlap) : p[k + 1];
}
