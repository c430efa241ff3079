// Paths past the old 260-character limit: the system takes them in the
// extended form, which it uses as it stands, so that form is made only from
// a full path that the system has already normalised.
#pragma once

#include <string>
#include <vector>

// "\\?\C:\x" for "C:\x", "\\?\UNC\server\share\x" for "\\server\share\x";
// a path already in that form, or any other, unchanged.
std::wstring ExtendedLengthPath(const std::wstring& fullPath);

// The folders, from the outermost to the innermost, that make up an
// extended-form path below its root ("\\?\C:\" or "\\?\UNC\server\share\"),
// each as a full extended path without a trailing "\"; empty for a root.
std::vector<std::wstring> FolderChain(const std::wstring& extendedPath);
