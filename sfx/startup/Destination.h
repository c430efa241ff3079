// Steps 11 and 12 of the start-up: the destination by its mode, then its
// placeholders expanded. The names are UTF-8, as the system gives them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "Placeholders.h"

// The longest destination the program can hold: the longest path of the
// system's wide calls. One that is longer, or whose placeholders cannot be
// resolved, is refused: it is left empty, which the window explains
// (message 40) instead of extracting to a folder cut short or to the root
// of a drive.
constexpr size_t kMaxDestinationLength = 32767;

// Mode 0 with an empty destination or exactly "Current directory": the
// current directory; mode 1: the temp path; mode 2: "%PROG%"; otherwise the
// stored destination.
std::string FixDestination(uint8_t mode, const std::string& stored, const std::string& currentDirectory,
                           const std::string& tempPath);

// The destination with its placeholders expanded.
std::string ExpandDestination(const std::string& destination, const SystemValues& system);

// The destination, or an empty one when it is longer than the program holds.
std::string HeldDestination(const std::string& destination);
