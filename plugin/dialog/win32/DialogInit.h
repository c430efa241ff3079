// What the main dialog does when it opens.
#pragma once

#include <windows.h>

// Toolbar, preview at the fitted scale, trackbar, zoom buttons, scroll bars.
// A dialog whose toolbar cannot be made offers no OK or Cancel button: it
// tells the user and ends as cancelled.
void InitialiseDialog(HWND dialog);
