// The system's folders and registry values that the start-up asks for.
#pragma once

#include <string>

#include "Placeholders.h"

// The temp path as the system returns it (at most 255 characters). Throws
// PayloadError when the system has none that fits.
std::string SystemTempPath();

// The current directory; empty when unknown.
std::string CurrentDirectory();

// The values for the placeholders: systemTempPath, the folders, the
// registry and the program's random numbers.
SystemValues RealSystemValues();

// ANSI text (the system code page) as wide text.
std::wstring AnsiToWide(const std::string& text);
