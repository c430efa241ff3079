// What OK checks before it closes the dialog.
#pragma once

#include <windows.h>

// True when two to sixteen points are marked and the width lies in 5..200; otherwise
// tells the user in a message box over the dialog and returns false.
bool ValidateInput(HWND dialog);
