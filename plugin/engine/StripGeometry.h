// The wire strip: a straightened copy of the image between the two points.
// Strip row i runs along the wire from the upper point, column j across it
// with the centre line at stripWidth / 2.
#pragma once

#include "ParamBlocks.h"
#include "WireJob.h"

// Orders the strip's two end points top-first and derives its size, step and
// origin, the area and the progress total of one strip. A zero strip length
// leaves the rest unset.
void SetupGeometry(WireJob& job, WirePoint first, WirePoint last, int32 wireAreaWidth, const VRect& area,
                   int32 planes);

// Strip row i, column j, or any position between them.
ImagePoint StripToImage(const WireJob& job, double i, double j);

// The transpose of StripToImage; the exact inverse only for a unit step.
StripPoint ImageToStrip(const WireJob& job, double x, double y);

// The exact inverse of StripToImage, whose step is a little over a pixel.
StripPoint StripPositionOf(const WireJob& job, double x, double y);

// The strip cell under image position (x, y), truncated; false outside the strip.
bool StripCellAt(const WireJob& job, double x, double y, int32& row, int32& column);

// The wire rectangle's corners in the order C0, C3, C2, C1 (a cycle).
void WireRectangle(const WireJob& job, ImagePoint corners[4]);

// Nearest-pixel resampling of one plane into a strip-sized grid of its
// samples (job.strip, or another grid of its size). Cells whose position
// stays outside the area after folding keep their previous content.
template <typename Sample>
void SampleStrip(const WireJob& job, const PlaneBlock<Sample>& block, const HostGrid& strip);
