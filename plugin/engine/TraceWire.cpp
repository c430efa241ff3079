#include "TraceWire.h"

#include "EdgePaths.h"
#include "Gradients.h"
#include "HostSteps.h"
#include "ShownStrip.h"
#include "Thickness.h"
#include "WireMask.h"

namespace {

// The 8-bit strip it reads lives only until the gradients are made.
template <typename Sample>
bool SampleGradients(WireJob& job, const PlaneSet& planes, HostGrid& gradients) {
    HostGrid own;
    const HostGrid* shown = SampleShownStrip<Sample>(job, planes, own);
    if (!shown || !ReportStep(job)) return false;
    return ComputeGradients(job, *shown, gradients);
}

bool TraceFromGradients(WireJob& job, const HostGrid& gradients) {
    if (!ReportStep(job) || !EstimateThickness(job, gradients)) return false;
    PathGrids paths;
    if (!TraceEdges(job, gradients, paths)) return false;

    if (!job.mask.Resize<uint8>(job.stripWidth, job.stripLength)) return false;
    Backtrack(paths, job);
    WidenMask(job);
    return FindRuns(job) && ReportStep(job);
}

}  // namespace

template <typename Sample>
bool TraceWire(WireJob& job, const PlaneSet& planes) {
    if (!job.strip.Resize<Sample>(job.stripWidth, job.stripLength)) return false;
    HostGrid gradients;
    return SampleGradients<Sample>(job, planes, gradients) && TraceFromGradients(job, gradients);
}

template bool TraceWire<uint8>(WireJob&, const PlaneSet&);
template bool TraceWire<uint16>(WireJob&, const PlaneSet&);
