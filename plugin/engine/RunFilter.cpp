#include "RunFilter.h"

#include "FillRows.h"
#include "HostSteps.h"
#include "PlaneSet.h"
#include "PluginState.h"
#include "Rects.h"
#include "StripGeometry.h"
#include "TraceWire.h"
#include "WirePath.h"
#include "WriteBack.h"

namespace {

// A positive code: no wire to remove, nothing was done.
constexpr int16 kNoWireMarked = 2;
constexpr Fixed kFullRate = 0x10000;

// A piece is traced as its strip runs on past a joint by half the strip's
// width, so that the wire is followed through the joint where it is whole.
int32 JointOverlap(int32 stripWidth) { return stripWidth / 2; }

struct RunSetup {
    WirePath path;
    int32 width;
    VRect area;
    PlaneSet planes;
};

// The first piece reads the image as the host delivered it; each later one
// reads it as the pieces before it left it, the output.
template <typename Sample>
bool RepairPlane(WireJob& job, int16 plane, bool afterEarlierPieces) {
    PlaneBlock<Sample> block;
    if (!RequestPlane(plane, job, block)) return false;
    if (afterEarlierPieces) {
        block.in = block.out;
        block.inRowBytes = block.outRowBytes;
    }
    SampleStrip(job, block, job.strip);
    if (!ReportStep(job)) return false;
    FillRows<Sample>(job);
    if (!ReportStep(job)) return false;
    return WriteBack(job, block);
}

// One piece: traced on the image as delivered, where the wire is whole, then
// repaired in every plane. Its buffers are released before the next piece.
template <typename Sample>
bool RemovePiece(const RunSetup& run, int32 k, int32& progressDone) {
    const int32 pieces = run.path.count - 1;
    WirePoint first, last;
    PieceEnds(run.path, k, JointOverlap(run.width), first, last);
    WireJob job;
    SetupGeometry(job, first, last, run.width, run.area, run.planes.colourPlanes);
    job.progressTotal *= pieces;
    job.progressDone = progressDone;
    if (!TraceWire<Sample>(job, run.planes)) return false;
    for (int16 plane = 0; plane < run.planes.colourPlanes; ++plane)
        if (!RepairPlane<Sample>(job, plane, k > 0)) return false;
    progressDone = job.progressDone;
    return true;
}

template <typename Sample>
void RemoveWire(const RunSetup& run) {
    int32 progressDone = 0;
    for (int32 k = 0; k + 1 < run.path.count; ++k)
        if (!RemovePiece<Sample>(run, k, progressDone)) return;
}

}  // namespace

void RunFilter() {
    if (!gParams || !gData) {
        *gResult = filterBadParameters;
        return;
    }
    if (gData->pointCount < 2) {
        *gResult = kNoWireMarked;
        return;
    }
    // Hosts keep the record for us; a count it cannot hold is a damaged one.
    if (gData->pointCount > kMaxWirePoints) {
        *gResult = paramErr;
        return;
    }
    RunSetup run{ReadWirePath(*gData), gParams->wireAreaWidth, GetFilterRect(), {}};
    const bool offered = ReadPlaneSet(*gFilterRecord, run.planes);
    if (run.path.count < 2) {
        *gResult = kNoWireMarked;
        return;
    }
    // Scripting can bring any width; the tracing's buffers are sized for these.
    // A mode or depth the filter is not offered for gets the same code, before
    // anything is requested.
    if (run.width < kMinWireAreaWidth || run.width > kMaxWireAreaWidth || !offered) {
        *gResult = paramErr;
        return;
    }
    gFilterRecord->inputRate = kFullRate;
    gFilterRecord->maskRate = kFullRate;
    SetInRect(run.area);
    SetOutRect(run.area);
    if (run.planes.sampleBytes == 2)
        RemoveWire<uint16>(run);
    else
        RemoveWire<uint8>(run);
}
