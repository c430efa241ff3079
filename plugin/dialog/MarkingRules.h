// How presses and Backspace change the marking: the wire's points in
// PluginData, in the order they were set along the wire.
#pragma once

#include "ParamBlocks.h"

// pointCount brought into 0..kMaxWirePoints: a block the host kept may hold
// any number there, and every walk over the points stops at this one.
int32 MarkedPoints(const PluginData& data);

// The straight pieces between consecutive points: piece k runs from point k
// to point k + 1.
int32 WirePieces(const PluginData& data);

enum class PressKind {
    kPlain,   // sets the start, then the end point; with two or more set, clears the marking
    kExtend,  // Shift held: once both ends are set, appends a further point
};

// Adds the point of an accepted press; false when an extending press finds
// every point set, which leaves the marking as it was.
bool MarkPoint(PluginData& data, WirePoint point, PressKind kind);

// Backspace: forgets the last point; false when there is none.
bool RemoveLastPoint(PluginData& data);
