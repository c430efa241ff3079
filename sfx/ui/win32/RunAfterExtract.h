// After an extraction: runCommand, opened by the shell inside the
// destination, or installed when it names an INF file. Nothing is reported:
// a start that fails goes unnoticed, as the run is over by then.
#pragma once

#include <string>

// destination is the folder as used for the extraction.
void RunAfterExtract(const std::wstring& destination);

// Builds the installation's command line for the system's platform into
// command (in: the INF path) and starts it; false when the system version
// cannot be read or the start failed.
bool InstallInf(std::wstring& command, const std::wstring& suffix);
