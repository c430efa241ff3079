// The main dialog's toolbar: the width label and trackbar at its left end,
// then zoom in, zoom out, Cancel and OK.
#pragma once

#include <windows.h>

// The toolbar of the open dialog; null while there is none.
extern HWND gToolbar;

// Creates the toolbar, moves the label and the trackbar into it and shows it;
// null when the toolbar window cannot be created.
HWND CreateToolbar(HWND dialog);

// The trackbar, a child of the toolbar once it exists.
HWND WidthTrackbar(HWND dialog);

// Zoom in is greyed at factor 1, zoom out at the fitted scale.
void UpdateZoomButtons(HWND toolbar);

// Frees the toolbar's images; the dialog calls it as it is destroyed.
void ReleaseToolbar(HWND toolbar);
