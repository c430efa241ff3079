// Wildcard masks of the item selection: "*" for any run of characters, "?"
// for any one character, compared without regard to case.
#pragma once

#include <cstddef>
#include <string>

// The lower-case form used for comparing names: ASCII, Latin-1, Greek and
// Cyrillic capitals are folded; any other character stands for itself.
wchar_t FoldCase(wchar_t c);

// Where segment first occurs in name at or after start, "?" in the segment
// matching any character; npos when it does not occur.
size_t FindMaskSegment(const std::wstring& name, size_t start, const std::wstring& segment);

// Whether the whole of name matches mask.
bool MatchesMask(const std::wstring& name, const std::wstring& mask);
