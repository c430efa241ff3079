// Steps 11 and 12 of the start-up: the destination by its mode, then its
// placeholders expanded.
#pragma once

#include <string>

#include "Placeholders.h"
#include "SfxSettings.h"

// Mode 0 with an empty destination or exactly "Current directory": the
// current directory; mode 1: the temp path; mode 2: "%PROG%"; otherwise the
// destination stays. Everything written is cut to 255 characters.
void FixDestination(SfxSettings& settings, const std::string& currentDirectory, const std::string& tempPath);

// The destination with its placeholders expanded, cut to 255 characters.
void ExpandDestination(SfxSettings& settings, const SystemValues& system);
