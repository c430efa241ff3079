#include "RunFilter.h"

#include "FillRows.h"
#include "HostSteps.h"
#include "PlaneSet.h"
#include "PluginState.h"
#include "Rects.h"
#include "StripGeometry.h"
#include "TraceWire.h"
#include "WriteBack.h"

namespace {

// A positive code: no wire to remove, nothing was done.
constexpr int16 kNoWireMarked = 2;
constexpr Fixed kFullRate = 0x10000;

template <typename Sample>
bool RepairPlane(WireJob& job, int16 plane) {
    PlaneBlock<Sample> block;
    if (!RequestPlane(plane, job, block)) return false;
    SampleStrip(job, block, job.strip);
    if (!ReportStep(job)) return false;
    FillRows<Sample>(job);
    if (!ReportStep(job)) return false;
    return WriteBack(job, block);
}

template <typename Sample>
void RemoveWire(WireJob& job, const PlaneSet& planes) {
    if (!TraceWire<Sample>(job, planes)) return;
    for (int16 plane = 0; plane < planes.colourPlanes; ++plane)
        if (!RepairPlane<Sample>(job, plane)) return;
}

}  // namespace

void RunFilter() {
    if (!gParams || !gData) {
        *gResult = filterBadParameters;
        return;
    }
    if (gData->pointCount != 2) {
        *gResult = kNoWireMarked;
        return;
    }
    PlaneSet planes;
    const bool offered = ReadPlaneSet(*gFilterRecord, planes);
    // Releases every buffer it holds when it goes out of scope, on every path.
    WireJob job;
    const VRect area = GetFilterRect();
    SetupGeometry(job, *gData, gParams->wireAreaWidth, area, planes.colourPlanes);
    if (job.stripLength < 2) {
        *gResult = kNoWireMarked;
        return;
    }
    // Scripting can bring any width; the tracing's buffers are sized for these.
    // A mode or depth the filter is not offered for gets the same code, before
    // anything is requested.
    if (job.stripWidth < kMinWireAreaWidth || job.stripWidth > kMaxWireAreaWidth || !offered) {
        *gResult = paramErr;
        return;
    }
    gFilterRecord->inputRate = kFullRate;
    gFilterRecord->maskRate = kFullRate;
    SetInRect(area);
    SetOutRect(area);
    if (planes.sampleBytes == 2)
        RemoveWire<uint16>(job, planes);
    else
        RemoveWire<uint8>(job, planes);
}
