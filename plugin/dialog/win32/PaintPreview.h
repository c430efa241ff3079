// Painting the preview area: background bands, frame, the reduced image and
// the marking.
#pragma once

#include <windows.h>

// The whole paint of the area, between BeginPaint and EndPaint.
void PaintPreview(HWND dialog);
