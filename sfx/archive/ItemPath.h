// Item paths come from the archive and are untrusted: only a plain relative
// path of ordinary names may become a file or folder below the destination.
#pragma once

#include <string>
#include <vector>

// False for an empty path, a rooted or absolute one ("\x", "C:\x", "C:x",
// UNC, "\\?\"), an empty, "." or ".." component, a component ending in "."
// or " ", a device name in any component (CON, NUL, COM1, LPT9.txt, ...),
// and any character that Windows forbids in names: <>:"/\|?*, the control
// characters, and U+F05C, the form in which a "\" stored inside a name
// arrives. "\" separates the components; "/" counts as a separator too.
bool IsSafeItemPath(const std::wstring& path);

// The folder part of an item path, up to and including its last "\" or ":"
// (empty when it has none), and the name part after it.
struct ItemPathParts {
    std::wstring folder;
    std::wstring name;
};
ItemPathParts SplitItemPath(const std::wstring& path);

// The folders that a safe item path passes through below base, outermost
// first: for "a\b\c.txt" under "D:\x", "D:\x\a" and "D:\x\a\b"; with
// withItem, the item's own path last. base itself is not among them.
std::vector<std::wstring> PathsBelow(const std::wstring& base, const std::wstring& path, bool withItem);
