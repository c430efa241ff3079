// The two blocks the host keeps for us between calls: Parameters in the
// filter record's parameters handle and PluginData in the data slot.
#pragma once

#include "HostInterface.h"

struct Parameters {
    int32 wireAreaWidth;
};

// View state of the preview, kept in PluginData so that it lives in the
// host-kept block.
struct PreviewView {
    BufferID bufferID;
    uint8* pixels;
    VRect proxyRect;
    double scale;
    int32 proxyWidth;
    int32 proxyHeight;
    int32 planeSize;
    double fitScale;
};

// A wire point as the host's point type keeps it: row first, then column,
// full-resolution pixels from the filter rectangle's top-left corner.
struct WirePoint {
    int32 v;
    int32 h;
};

// A wire that sags is marked with up to this many points along it.
constexpr int32 kMaxWirePoints = 16;

struct PluginData {
    uint8 showDialog;
    int32 startV;
    int32 startH;
    int32 endV;
    int32 endH;
    int32 pointCount;  // 0 .. kMaxWirePoints
    PreviewView view;
    // Points 3 to pointCount, in marking order; the fields above keep the
    // first two where records of two-point wires have always had them.
    WirePoint laterPoints[kMaxWirePoints - 2];
};

// Point k (0-based) of the marking, k < kMaxWirePoints.
inline WirePoint WirePointAt(const PluginData& data, int32 k) {
    if (k == 0) return {data.startV, data.startH};
    if (k == 1) return {data.endV, data.endH};
    return data.laterPoints[k - 2];
}

inline void SetWirePoint(PluginData& data, int32 k, WirePoint p) {
    if (k == 0) {
        data.startV = p.v;
        data.startH = p.h;
    } else if (k == 1) {
        data.endV = p.v;
        data.endH = p.h;
    } else {
        data.laterPoints[k - 2] = p;
    }
}

constexpr int32 kDefaultWireAreaWidth = 50;
constexpr int32 kMinWireAreaWidth = 5;
constexpr int32 kMaxWireAreaWidth = 200;
constexpr DescriptorKeyID keyWireAreaWidth = FourCC("wawi");
constexpr const char* kPluginUniqueString = "d9543b0c-1981-11d4-97bc-00b0d0204936";

// The point fields sit at the same offsets on every target, so a host can
// write them into the block it keeps.
static_assert(sizeof(Parameters) == 4);
static_assert(offsetof(PluginData, startV) == 4 && offsetof(PluginData, startH) == 8 &&
              offsetof(PluginData, endV) == 12 && offsetof(PluginData, endH) == 16 &&
              offsetof(PluginData, pointCount) == 20 && offsetof(PluginData, view) == 24);
static_assert(offsetof(PluginData, view) + offsetof(PreviewView, proxyRect) == PerTarget(32, 40));
static_assert(offsetof(PluginData, view) + offsetof(PreviewView, scale) == PerTarget(48, 56));
static_assert(offsetof(PluginData, view) + offsetof(PreviewView, planeSize) == PerTarget(64, 72));
static_assert(offsetof(PluginData, view) + offsetof(PreviewView, fitScale) == PerTarget(72, 80));
static_assert(offsetof(PluginData, laterPoints) == PerTarget(80, 88));
static_assert(sizeof(PluginData) == PerTarget(192, 200));
