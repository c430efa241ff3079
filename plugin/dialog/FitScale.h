// The scale at which the preview opens: the whole filter rectangle reduced by
// a whole factor of at least 2 so that it fits into the preview area.
#pragma once

#include "ScreenRect.h"

// Keeps the preview area in the view's proxyRect for ComputeFitScale.
void SetAreaRect(const ScreenRect& area);

// Sets scale, fitScale and proxyRect for the whole filter rectangle from the
// area that SetAreaRect left in proxyRect.
void ComputeFitScale();
