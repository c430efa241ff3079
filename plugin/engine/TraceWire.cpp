#include "TraceWire.h"

#include "EdgePaths.h"
#include "Gradients.h"
#include "HostSteps.h"
#include "StripGeometry.h"
#include "Thickness.h"
#include "WireMask.h"

bool TraceWire(WireJob& job) {
    if (!job.strip.Resize<uint8>(job.stripWidth, job.stripLength)) return false;
    PlaneBlock block;
    if (!RequestPlane(0, job, block)) return false;
    SampleStrip(job, block);
    if (!ReportStep(job)) return false;

    HostGrid gradients;
    if (!ComputeGradients(job, gradients) || !ReportStep(job)) return false;
    if (!EstimateThickness(job, gradients)) return false;
    PathGrids paths;
    if (!TraceEdges(job, gradients, paths)) return false;

    if (!job.mask.Resize<uint8>(job.stripWidth, job.stripLength)) return false;
    Backtrack(paths, job);
    WidenMask(job);
    return FindRuns(job) && ReportStep(job);
}
