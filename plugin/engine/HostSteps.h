// The run's exchanges with the host between its steps.
#pragma once

#include "WireJob.h"

// Asks the host for plane p of the filter rectangle. On success fills block;
// otherwise the result holds the host's code, or paramErr (-50) for a depth
// other than the sample type's or a block that cannot hold the area.
template <typename Sample>
bool RequestPlane(int16 plane, const WireJob& job, PlaneBlock<Sample>& block);

// Counts one progress step, shows it and asks whether to stop. False (result
// userCanceledErr, -128) when the user cancelled.
bool ReportStep(WireJob& job);

// ReportStep `count` times, for steps with nothing to do.
bool ReportSteps(WireJob& job, int32 count);
