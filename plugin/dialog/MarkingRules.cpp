#include "MarkingRules.h"

#include <algorithm>

int32 MarkedPoints(const PluginData& data) { return std::clamp(data.pointCount, 0, kMaxWirePoints); }

int32 WirePieces(const PluginData& data) { return std::max(MarkedPoints(data) - 1, 0); }

bool MarkPoint(PluginData& data, WirePoint point, PressKind kind) {
    const int32 count = MarkedPoints(data);
    // Before both ends are set, Shift changes nothing: a wire needs its two
    // ends first.
    const bool extends = kind == PressKind::kExtend && count >= 2;
    if (extends && count == kMaxWirePoints) return false;
    if (!extends && count >= 2) {
        data.pointCount = 0;
        return true;
    }
    SetWirePoint(data, count, point);
    data.pointCount = count + 1;
    return true;
}

bool RemoveLastPoint(PluginData& data) {
    const int32 count = MarkedPoints(data);
    if (count == 0) return false;
    data.pointCount = count - 1;
    return true;
}
