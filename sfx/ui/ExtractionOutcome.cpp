#include "ExtractionOutcome.h"

#include "StartupState.h"

ExtractionOutcome DecideOutcome(int32_t result, uint32_t errorCount, bool cancelled, uint32_t showDoneMessage,
                                bool hasRunCommand, bool passwordUnanswered) {
    if (cancelled) result = 0;
    cancelled = cancelled && !passwordUnanswered;
    ExtractionOutcome outcome;
    outcome.reportFailure = errorCount != 0 || result != 0 || passwordUnanswered;
    outcome.reportDone = showDoneMessage == 1 && !outcome.reportFailure && !cancelled;
    outcome.runCommand = hasRunCommand && !cancelled && !outcome.reportFailure;
    outcome.exitCode = cancelled ? kExitCancelled : outcome.reportFailure ? kExitFailure : kExitSuccess;
    return outcome;
}
