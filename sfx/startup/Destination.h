// Steps 11 and 12 of the start-up: the destination by its mode, then its
// placeholders expanded.
#pragma once

#include <string>

#include "Placeholders.h"
#include "SfxSettings.h"

// The longest destination the settings hold. One that is longer, or whose
// placeholders cannot be resolved, is refused: it is left empty, which the
// window explains (message 40) instead of extracting to a folder cut short
// or to the root of a drive.
constexpr size_t kMaxDestinationLength = sizeof(SfxSettings::destination) - 1;

// Mode 0 with an empty destination or exactly "Current directory": the
// current directory; mode 1: the temp path; mode 2: "%PROG%"; otherwise the
// destination stays.
void FixDestination(SfxSettings& settings, const std::string& currentDirectory, const std::string& tempPath);

// The destination with its placeholders expanded.
void ExpandDestination(SfxSettings& settings, const SystemValues& system);

// Writes the destination, or an empty one when it is longer than the
// settings hold.
void SetDestination(SfxSettings& settings, const std::string& destination);
