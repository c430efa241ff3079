// Marking the wire's two end points with left-button presses on the preview.
#pragma once

#include "ImagePlacement.h"

// Turns a press at client coordinates (x, y) into a wire point. Presses in a
// 10-pixel band around the visible part of the image land on its edge;
// farther ones are ignored. Accepted presses cycle pointCount 0 -> 1 -> 2 ->
// 0: the first sets the start point, the second the end point, the third
// clears both. Returns true when the press was accepted and the preview
// needs repainting.
bool HandleClick(const PreviewPort& port, int32 x, int32 y);
