// Form1's controls: kind, position and size in client pixels, as the window
// is laid out.
#pragma once

class TForm1;

// Creates every control as a child of form.Handle with the window's font;
// false when one cannot be made.
bool CreateControls(TForm1& form);

// Widens the push buttons and the overwrite choices whose texts need more
// room than the layout gives them, where the window has it.
void FitControlsToTexts(TForm1& form);

// The client area as created, while the archive is opened and listed, and
// from then on.
// 393 wide, so that the controls' right margin mirrors their left one (the
// progress bar ends at 385); at 384 the buttons touched the window's edge.
constexpr int kClientWidth = 393;
constexpr int kClientHeightCreated = 222;
constexpr int kClientHeightLoading = 240;
constexpr int kClientHeightReady = 222;  // the link and the progress bar whole
