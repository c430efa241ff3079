// The main dialog's procedure, exported as _LinefixProc@16.
#pragma once

#include <windows.h>

extern "C" INT_PTR CALLBACK LinefixProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
