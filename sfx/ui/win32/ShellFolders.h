// What the folder browser asks the shell and the file system about folders
// and item lists, one question each.
#pragma once

#include <windows.h>
#include <shlobj.h>

#include <string>

// An existing folder: a drive root X:\ among the logical drives, else a
// search for the name finds a folder. Asked with critical-error boxes off,
// so that an empty floppy or CD drive raises none.
bool IsDirectory(const std::string& path);

// The item's file-system path; empty when it has none.
std::string PathOfItem(LPCITEMIDLIST item);

// The item list of a path, parsed through the desktop folder; null when the
// shell cannot parse it. The caller frees it with the shell's allocator.
LPITEMIDLIST ParseFolderPath(const std::string& path);

// The running system is of the NT family.
bool IsNtFamily();
