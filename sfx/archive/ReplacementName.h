// Where a file that replaces an existing one is written until it is whole:
// beside the old file, so that taking its place is a rename within one
// folder; short, since an old name near the length limit leaves no room for
// a suffix; and numbered, so that a name already taken on disk is passed
// over by the next attempt (the file is created only where none exists).
#pragma once

#include <cstdint>
#include <string>

// The attempt-th name in the folder of destination (the part up to its last
// "\"), e.g. "C:\dest\sub\~BRSFX1.TMP".
std::wstring ReplacementName(const std::wstring& destination, uint32_t attempt);
