// The per-run work folder under the system temp folder: "_BRSFX" and a number
// in 1..999, drawn again while the name is taken.
#pragma once

#include <string>

constexpr int kWorkFolderNumbers = 999;

// The temp path with a "\" added when it lacks one, "_BRSFX", the number
// and "\".
std::string WorkFolderCandidate(const std::string& tempPath, int number);
