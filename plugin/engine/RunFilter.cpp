#include "RunFilter.h"

#include "FillRows.h"
#include "HostSteps.h"
#include "PluginState.h"
#include "Rects.h"
#include "StripGeometry.h"
#include "TraceWire.h"
#include "WriteBack.h"

namespace {

// A positive code: no wire to remove, nothing was done.
constexpr int16 kNoWireMarked = 2;
constexpr Fixed kFullRate = 0x10000;

bool RepairPlane(WireJob& job, int16 plane) {
    PlaneBlock block;
    if (!RequestPlane(plane, job, block)) return false;
    SampleStrip(job, block);
    if (!ReportStep(job)) return false;
    FillRows(job);
    if (!ReportStep(job)) return false;
    return WriteBack(job, block);
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
    // Releases every buffer it holds when it goes out of scope, on every path.
    WireJob job;
    const VRect area = GetFilterRect();
    SetupGeometry(job, *gData, gParams->wireAreaWidth, area, gFilterRecord->planes);
    if (job.stripLength < 2) {
        *gResult = kNoWireMarked;
        return;
    }
    // Scripting can bring any width; the tracing's buffers are sized for these.
    if (job.stripWidth < kMinWireAreaWidth || job.stripWidth > kMaxWireAreaWidth) {
        *gResult = paramErr;
        return;
    }
    gFilterRecord->inputRate = kFullRate;
    gFilterRecord->maskRate = kFullRate;
    SetInRect(area);
    SetOutRect(area);
    if (!TraceWire(job)) return;
    for (int16 plane = 0; plane < gFilterRecord->planes; ++plane)
        if (!RepairPlane(job, plane)) return;
}
