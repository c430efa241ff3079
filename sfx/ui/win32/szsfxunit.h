// The self-extractor's user interface: the main window and the extraction
// run from it.
#pragma once

// Creates Form1 and runs the message loop until it closes. Returns the
// process's exit code: 0 success, 1 failure, 2 cancelled.
int RunMainWindow();
