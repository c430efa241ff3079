// The windows are laid out in pixels at 96 DPI. The program is DPI aware (at
// the system's DPI, see the manifest), so the system no longer stretches its
// windows: every position and size is scaled here instead, and fonts are
// made at the same DPI. At 96 DPI nothing changes.
#pragma once

// The system's DPI: the screen's pixels per logical inch, 96 when unknown.
int ScreenDpi();

// A length of the 96-DPI layout at the system's DPI.
int Scaled(int pixels);
