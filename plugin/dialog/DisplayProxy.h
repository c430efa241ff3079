// Drawing the reduced image through the host's displayPixels.
#pragma once

#include "ScreenRect.h"

// Hands the visible part of the reduced image (the image rectangle clipped
// to the area) to the host for drawing into the platform's device context.
// Draws nothing without a buffer, without displayPixels or when nothing of
// the image is visible.
void DisplayProxy(void* deviceContext, const ScreenRect& image, const ScreenRect& area);
