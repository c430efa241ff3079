// The repair of one plane along a piece of a path, from the measured wire. A
// thin wire mixes its own level into the pixels it crosses in proportion to
// the part of them it covers:
//     seen = cover * level + (1 - cover) * behind.
// Across the wire the cover depends only on the distance from its centre
// line, not on what lies behind it, so a pole or a roof edge crossing the
// wire comes back where the wire covers a pixel only in part. Where it covers
// nearly all of it, what lies behind is drawn across the wire, straight
// between the pixels just beside it.
#pragma once

#include "WireJob.h"
#include "WirePath.h"
#include "WireProfile.h"


// Writes the pixels of the wire's width in one plane and reports 5 progress
// steps. The block's input is the image as delivered, its output the image
// as the pieces before this one left it; pixels an earlier piece has already
// repaired are kept, and none beyond the piece's caps is written. False with the result set on cancel or when a buffer
// cannot be had.
template <typename Sample>
bool RepairByCover(WireJob& job, const PlaneBlock<Sample>& block, const WireProfile& profile, const EndCap caps[2]);
