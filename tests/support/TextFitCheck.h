// Whether a window's controls show their texts whole: each visible child
// with a text is measured in the window's font, with what the control draws
// around the text (a button's frame, a radio button's mark, a group box's
// inset), and compared with the part of its client rectangle that the
// parent shows. Works on the windows of another process, which may run at
// another DPI than the caller: the font is made in pixels for that DPI.
#pragma once

#include <windows.h>

#include <string>

// One check per control with a text, for a window whose process runs at dpi
// and draws in the dialog font (MS Shell Dlg 2 at 8 points); what names the
// window in the output.
void CheckTextsFit(HWND window, int dpi, const std::string& what);
