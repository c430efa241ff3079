// The strip as the tracing sees it: 8-bit levels of the plane that shows the
// wire, so that a 16-bit image is traced as its 8-bit counterpart is.
#pragma once

#include "PlaneSet.h"
#include "WireJob.h"

// Samples plane 0 into job.strip and returns the 8-bit strip to trace:
// job.strip itself for 8-bit samples, otherwise `own`, plane 0 reduced to 8
// bits. In CMYK, cyan alone would miss a wire printed mostly in black, so the
// levels there are cyan darkened by the black plane, C * K / 255: the red
// that the print reflects, which is cyan itself where there is no black, as
// red is what an RGB image is traced on. Null with the result set when the
// host fails or a buffer cannot be had.
template <typename Sample>
const HostGrid* SampleShownStrip(WireJob& job, const PlaneSet& planes, HostGrid& own);
