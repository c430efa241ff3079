// The engine's single entry, called by the start selector once per filter run.
#pragma once

// Works from the per-call state and the two host-kept blocks; reports its
// outcome through the call's result code.
void RunFilter();
