// The archive behind the settings block, copied out of the executable into
// the work folder, where the session opens it.
#pragma once

#include <functional>

// Copies the archive, from archiveOffset up to archiveEnd (a signature after
// it stays behind), into archiveCopyPath in chunks of copyBuffer's size,
// reporting the percentage copied after each chunk. Reports no failure
// itself: a short or failed copy shows up when the session cannot open the
// copy.
void CopyArchiveOut(const std::function<void(int percent)>& progress);
