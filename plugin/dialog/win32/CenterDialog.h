// Placing a dialog over its owner.
#pragma once

#include <windows.h>

// Over the owner's client area (the desktop's when the dialog has no owner),
// one third of the way down and never off the screen. Keeps the dialog's
// size and its place in the window order; leaves it where it is when the
// windows cannot be measured.
void CenterDialog(HWND dialog);
