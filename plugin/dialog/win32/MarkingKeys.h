// Backspace for the marking, wherever the keyboard focus lies in the dialog.
#pragma once

#include <windows.h>

// While the dialog is open, Backspace aimed at any of its controls that does
// not take typed text reaches the dialog procedure as its own WM_KEYDOWN.
void RouteMarkingKeys(HWND dialog);
void StopRoutingMarkingKeys();
