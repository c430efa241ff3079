// The preview's scale: opening at the fitted scale and the zoom steps. Each
// rebuilds the reduced image; the dialog invalidates the preview afterwards.
#pragma once

#include "ScreenRect.h"

// Opens the preview for the given area: the fit, then the reduced image. A
// buffer noted in the view by an earlier call is no longer the plug-in's and
// is forgotten, not freed.
void OpenPreview(const ScreenRect& area);

// Adds delta to the scale, keeping the fraction the fit left, and rebuilds
// the reduced image at the new factor.
void ChangeZoom(int32 delta);

// Zoom in is allowed while the scale is at least 2, zoom out while it is
// below the fitted scale.
bool CanZoomIn();
bool CanZoomOut();

// One step in or out when allowed; true when the zoom changed.
bool ZoomIn();
bool ZoomOut();
