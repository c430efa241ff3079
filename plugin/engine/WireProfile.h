// Where exactly the wire of one piece of a path lies: its centre line to a
// fraction of a pixel and its width, measured across the traced band in the
// image as the host delivered it, where the wire is whole.
#pragma once

#include "PlaneSet.h"
#include "WireJob.h"

// A wire that sags bows smoothly, so within a piece a cubic holds its centre
// line (a parabola, seen in the piece's slanted strip), and a few rows traced
// astray by clutter beside it do not move it.
constexpr int32 kCentreTerms = 4;

struct WireProfile {
    // The centre line's strip column at strip position `along`: the sum of
    // centre[k] t^k with t = along / stripLength.
    double centre[kCentreTerms] = {};
    double halfWidth = 0;  // in strip columns
    bool found = false;    // false: no plane showed the wire
};

double CentreAt(const WireProfile& profile, const WireJob& job, double along);


// The plane's value at image position (x, y) between the four nearest pixel
// centres (pixel (x, y) has its centre at x + 0.5, y + 0.5), from the block's
// input or, with fromOutput, from its output; positions outside the area take
// the nearest edge pixel.
template <typename Sample>
double SampleBetween(const WireJob& job, const PlaneBlock<Sample>& block, double x, double y, bool fromOutput);

// Reads every colour plane's input twice. Each strip row's profile across the
// traced band gives the centroid and the width of the wire's darkening (or
// lightening) there; the rows of all planes, weighted by how clearly they
// show the wire, give the centre line by a robust cubic fit and the width by
// their median. The second time the profiles are taken around that line
// instead of the band. False with the result set when the host fails or a
// buffer cannot be had.
template <typename Sample>
bool MeasureWire(WireJob& job, const PlaneSet& planes, WireProfile& profile);
