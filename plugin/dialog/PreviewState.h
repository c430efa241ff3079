// The preview's view state and the two questions every part of the preview
// asks of the current call. Valid while PluginData is locked (gData set).
#pragma once

#include "ParamBlocks.h"
#include "PluginState.h"

inline PreviewView& View() { return gData->view; }

// The host reduces the image by a whole factor: the integer part of the
// scale, kept within what a rectangle scaling and a 16.16 rate can carry.
constexpr int16 kMaxSamplingFactor = 32767;

inline int16 SamplingFactor(double scale) {
    if (!(scale >= 1.0)) return 1;
    if (scale >= kMaxSamplingFactor) return kMaxSamplingFactor;
    return int16(scale);
}

// Repainting and invalidating the preview are skipped once the call has run
// into an error: the reduced image is then incomplete.
inline bool PreviewMayPaint() { return *gResult == noErr; }
