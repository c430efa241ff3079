// The system's folders and registry values that the start-up asks for, in
// UTF-8, read with the system's wide calls: no name goes through the ANSI
// code page, whose best-fit mapping can give another folder.
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
