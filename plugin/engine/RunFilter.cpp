#include "RunFilter.h"

#include "CoverRepair.h"
#include "FillRows.h"
#include "HostSteps.h"
#include "PlaneSet.h"
#include "PluginState.h"
#include "Rects.h"
#include "StripGeometry.h"
#include "TraceWire.h"
#include "WirePath.h"
#include "WireProfile.h"
#include "WriteBack.h"

namespace {

// A positive code: no wire to remove, nothing was done.
constexpr int16 kNoWireMarked = 2;
constexpr Fixed kFullRate = 0x10000;

// A piece is traced as its strip runs on past a joint by half the strip's
// width, so that the wire is followed through the joint where it is whole.
int32 JointOverlap(int32 stripWidth) { return stripWidth / 2; }
// A path's pieces repair the wire to this many pixels past the path's two
// end points, so that the pixels marked last are repaired too, and a pixel
// past each joint, so that no pixel on the outside of a bend is left out.
constexpr double kPathEndReach = 3;
constexpr double kJointReach = 1;

struct RunSetup {
    WirePath path;
    int32 width;
    VRect area;
    PlaneSet planes;
};

// A lone piece, the wire of a two-point marking: traced, filled row by row
// and written back with its texture, as such runs always were.
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

// A piece of a path: traced, then measured on the image as delivered, where
// the wire is whole, and repaired over what the pieces before it left.
template <typename Sample>
bool RepairPathPiece(WireJob& job, const PlaneSet& planes, const EndCap caps[2]) {
    WireProfile profile;
    if (!MeasureWire<Sample>(job, planes, profile)) return false;
    for (int16 plane = 0; plane < planes.colourPlanes; ++plane) {
        PlaneBlock<Sample> block;
        if (profile.found ? !RequestPlane(plane, job, block) || !RepairByCover(job, block, profile, caps)
                          : !ReportSteps(job, 5))
            return false;
    }
    return true;
}

// Piece k; its buffers are released before the next piece.
template <typename Sample>
bool RemovePiece(const RunSetup& run, int32 k, int32& progressDone) {
    const int32 pieces = run.path.count - 1;
    WirePoint first, last;
    const int32 overlap = JointOverlap(run.width);
    PieceEnds(run.path, k, overlap, pieces > 1 ? overlap : 0, first, last);
    WireJob job;
    SetupGeometry(job, first, last, run.width, run.area, run.planes.colourPlanes);
    job.progressTotal *= pieces;
    job.progressDone = progressDone;
    if (!TraceWire<Sample>(job, run.planes)) return false;
    if (pieces > 1) {
        EndCap caps[2];
        PieceCaps(run.path, k, kPathEndReach, kJointReach, caps);
        if (!RepairPathPiece<Sample>(job, run.planes, caps)) return false;
    } else {
        for (int16 plane = 0; plane < run.planes.colourPlanes; ++plane)
            if (!RepairPlane<Sample>(job, plane)) return false;
    }
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
