// What follows an extraction run: the boxes, the run command and the exit
// code, from the handler's result, the failed items and whether the run was
// cancelled.
#pragma once

#include <cstdint>

struct ExtractionOutcome {
    bool reportFailure = false;  // message 42
    bool reportDone = false;     // message 47
    bool runCommand = false;
    int exitCode = 0;  // an ExitCode: 0 success, 1 failure, 2 cancelled
};

// A cancelled run counts its result as 0 but still reports the items that
// failed before the cancel. runCommand runs only after a run in which every
// item was extracted: after a failed item the file it names may be an old
// one, or somebody else's. The completion box needs showDoneMessage to be
// exactly 1. A password that nobody could give (unattended) fails the run
// rather than cancelling it.
ExtractionOutcome DecideOutcome(int32_t result, uint32_t errorCount, bool cancelled, uint32_t showDoneMessage,
                                bool hasRunCommand, bool passwordUnanswered = false);
