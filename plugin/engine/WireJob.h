// The work record of one filter run and the records passed between its steps.
#pragma once

#include "HostBuffer.h"

struct ImagePoint {
    double x, y;
};

// A position in the wire strip: across = column j, along = row i.
struct StripPoint {
    double across, along;
};

// One plane of the block the host delivered, of 8- or 16-bit samples; pixel
// (x, y) of the filter rectangle is the sample at in + y * inRowBytes + x
// samples, its output the same in out. RequestPlane checks that the rows are
// aligned for the sample type.
template <typename Sample>
struct PlaneBlock {
    const uint8* in = nullptr;
    int32 inRowBytes = 0;
    uint8* out = nullptr;
    int32 outRowBytes = 0;

    Sample In(int32 x, int32 y) const { return reinterpret_cast<const Sample*>(in + intptr_t(y) * inRowBytes)[x]; }
    Sample& Out(int32 x, int32 y) const { return reinterpret_cast<Sample*>(out + intptr_t(y) * outRowBytes)[x]; }
};

struct WireJob {
    int32 x1 = 0;  // upper point
    int32 y1 = 0;
    int32 x2 = 0;  // lower point
    int32 y2 = 0;
    double length = 0;
    int32 stripWidth = 0;
    int32 stripLength = 0;
    int32 wireThickness = 0;
    double stepX = 0;
    double stepY = 0;
    double originX = 0;
    double originY = 0;
    int32 areaWidth = 0;
    int32 areaHeight = 0;
    HostGrid strip;  // the StripImage: samples, stripWidth by stripLength
    HostGrid mask;   // the WireMask: 0 outside, 1 traced band, 2 margin
    HostBuffer runStart;  // int32 per strip row: first marked column
    HostBuffer runEnd;    // int32 per strip row: last column of that run
    int32 progressTotal = 0;
    int32 progressDone = 0;
};

inline bool InArea(const WireJob& job, int32 x, int32 y) {
    return x >= 0 && x < job.areaWidth && y >= 0 && y < job.areaHeight;
}
