// Where a run's time goes, for the benchmark and for anyone who wonders why a
// run is slow: with the environment variable BR7ZSFX_MARKS set, each mark is
// one line on the standard error handle the program was started with,
// "br7zsfx: NAME MS ms", MS the milliseconds since the process was created.
// Without the variable, or without such a handle (a program started from the
// desktop), a mark costs a call and writes nothing.
#pragma once

void MarkPhase(const char* name);
