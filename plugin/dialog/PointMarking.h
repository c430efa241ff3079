// Marking the wire's points with left-button presses on the preview.
#pragma once

#include "ImagePlacement.h"
#include "MarkingRules.h"

enum class PressOutcome {
    kIgnored,  // too far from the visible image
    kMarked,   // the marking changed; the preview needs repainting
    kRefused,  // an extending press with every point already set
};

// Turns a press at client coordinates (x, y) into a wire point, as
// MarkPoint's rules add it. Presses in a 10-pixel band around the visible
// part of the image land on its edge; farther ones are ignored.
PressOutcome HandleClick(const PreviewPort& port, int32 x, int32 y, PressKind kind);
