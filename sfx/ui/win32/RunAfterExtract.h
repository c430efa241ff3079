// After an extraction: runCommand, opened by the shell inside the
// destination with the parameters that "-#" gave, or installed when it names
// an INF file; only a file that this run wrote. Nothing is reported: a start
// that fails goes unnoticed, as the run is over by then.
#pragma once

#include <string>
#include <vector>

// destination is the folder as used for the extraction; written, the files
// the run wrote and kept.
void RunAfterExtract(const std::wstring& destination, const std::vector<std::wstring>& written);

// Builds the installation's command line for the system's platform into
// command (in: the INF path) and starts it; false when the system version
// cannot be read or the start failed.
bool InstallInf(std::wstring& command, const std::wstring& suffix);
