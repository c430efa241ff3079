// Writes one repaired plane from the strip into the host's output block and
// restores the image's texture over the fill.
#pragma once

#include "WireJob.h"

// Reports 3 progress steps. False with the result set on cancel or when a
// buffer cannot be had; pixels already written stay written.
template <typename Sample>
bool WriteBack(WireJob& job, const PlaneBlock<Sample>& block);
