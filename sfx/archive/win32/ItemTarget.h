// What an item may write to below the destination folder, which is trusted
// as the person or the builder named it: nothing reached through a link, and
// no file under another name than the item's own.
#pragma once

#include <string>

// Whether a folder on the way from base to the item path, or the item's own
// file or folder, is a reparse point (a junction, a symbolic link, a mount
// point).
bool PassesThroughLink(const std::wstring& base, const std::wstring& path);

// Whether the existing file at destination bears the long name the path
// gives it, rather than answering to it as its short-name alias.
bool HasOwnLongName(const std::wstring& destination);
