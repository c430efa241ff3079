// Form1's controls: kind, position and size in client pixels, as the window
// is laid out.
#pragma once

class TForm1;

// Creates every control as a child of form.Handle with the window's font;
// false when one cannot be made.
bool CreateControls(TForm1& form);

// The client area as created, while the archive is copied and listed, and
// from then on.
constexpr int kClientWidth = 384;
constexpr int kClientHeightCreated = 222;
constexpr int kClientHeightLoading = 240;
constexpr int kClientHeightReady = 222;  // the link and the progress bar whole
