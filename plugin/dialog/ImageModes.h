// Host image modes as the preview's 8-bit buffer needs them.
#pragma once

#include "HostInterface.h"

// The mode to describe the buffer with: a deep mode becomes its 8-bit
// counterpart, every other mode stays as it is.
int32 PixelMapMode(int32 hostMode);

// Colour planes of a mode, ahead of a transparency plane; 0 for the
// multichannel modes and for modes the interface does not define.
int32 ColourPlaneCount(int32 hostMode);
