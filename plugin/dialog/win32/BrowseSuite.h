// Opening a web address through the host's file-list suite, which the about
// box acquires on first use.
#pragma once

// Asks the host to open url in a browser; false when the host offers no
// suite for it or reports a failure.
bool BrowseUrl(const char* url);

// Releases the suite if it was acquired; the about box calls it when it has
// ended, while the host's basic suite is still the one of the current call.
void ReleaseBrowseSuite();
