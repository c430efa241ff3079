#include "WirePath.h"

#include <cmath>

#include "Numeric.h"

namespace {

double Distance(WirePoint a, WirePoint b) {
    const double dv = double(a.v) - b.v, dh = double(a.h) - b.h;
    return std::sqrt(dv * dv + dh * dh);
}

// `from` moved away from `toward` along their line by `reach` pixels.
WirePoint Extend(WirePoint from, WirePoint toward, double reach) {
    const double k = reach / Distance(from, toward);
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

void PieceCaps(const WirePath& path, int32 k, double endReach, double jointReach, EndCap caps[2]) {
    auto cap = [](WirePoint end, WirePoint inner, double reach) {
        const double length = Distance(end, inner);
        return EndCap{end.h + 0.5, end.v + 0.5, (double(end.h) - inner.h) / length, (double(end.v) - inner.v) / length,
                      reach};
    };
    caps[0] = cap(path.points[k], path.points[k + 1], k == 0 ? endReach : jointReach);
    caps[1] = cap(path.points[k + 1], path.points[k], k + 2 == path.count ? endReach : jointReach);
}

bool BeyondCaps(const EndCap caps[2], double x, double y) {
    for (int32 i = 0; i < 2; ++i)
        if ((x - caps[i].x) * caps[i].ux + (y - caps[i].y) * caps[i].uy > caps[i].reach) return true;
    return false;
}

void PieceEnds(const WirePath& path, int32 k, int32 overlap, int32 endReach, WirePoint& first, WirePoint& last) {
    const WirePoint* p = path.points;
    // Past a joint, never farther than the next point.
    first = Extend(p[k], p[k + 1], k > 0 ? std::min<double>(overlap, Distance(p[k], p[k - 1])) : endReach);
    last = Extend(p[k + 1], p[k], k + 2 < path.count ? std::min<double>(overlap, Distance(p[k + 1], p[k + 2])) : endReach);
}
