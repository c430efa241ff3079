// The preview as the dialog's windows hold it: the area of the hidden frame,
// the two scroll bars, and invalidation of the area.
#pragma once

#include <windows.h>

#include "ImagePlacement.h"
#include "PreviewScroll.h"

// The preview frame's window rectangle in the dialog's client coordinates;
// empty when it cannot be read.
ScreenRect GetAreaRect(HWND dialog);

// The area and both scroll positions, read from the windows now.
PreviewPort CurrentPort(HWND dialog);

// Asks for a repaint of the area, without erasing, while the call has not
// run into an error.
void InvalidatePreview(HWND dialog);

// Ranges, pages and visibility of both bars for the current image; both
// positions go to 0.
void ApplyScrollBars(HWND dialog);

// Sets both positions (the bars keep them within their ranges).
void ScrollPreviewTo(HWND dialog, const ScrollPositions& positions);

// One scroll message of the bar with the given identifier, then a repaint.
void ScrollPreview(HWND dialog, int barId, WPARAM wParam);
