// Which archive items a list of masks selects for extraction.
#pragma once

#include <string>
#include <vector>

// An empty path never matches. Otherwise the first mask that matches selects
// the item: a mask ending in "\" selects a folder's contents by prefix, any
// other mask is a wildcard match, where a path without any "." is matched
// with one appended when the mask holds a ".".
bool ItemMatchesFileSpec(const std::wstring& path, const std::vector<std::wstring>& fileSpec);
