// What the self-extractor starts outside itself: the web page, the file
// opened after an extraction and the INF installation.
#pragma once

#include <string>

// The shell's "open" verb, with no owner window; false when it failed.
bool ShellOpen(const std::wstring& file, const std::wstring& parameters, const std::wstring& folder, int show);
// Starts a command line as the system's program start does; false when it
// could not.
bool StartCommandLine(const std::wstring& commandLine, int show);
