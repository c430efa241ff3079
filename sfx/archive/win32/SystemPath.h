// Names as the system calls take them: full, in the extended form, so that
// paths past 260 characters work; and the few questions asked of the file
// system by name.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

// The full path of name (relative names from the current folder), in the
// extended form; name unchanged when the system cannot make it full.
std::wstring SystemPath(const std::wstring& name);

bool FileExists(const std::wstring& name);   // a file, not a folder
bool FolderExists(const std::wstring& name);
// The size of a file, or -1 when there is none.
int64_t FileSizeOf(const std::wstring& name);

// Creates the folder with every missing parent; true when it exists then.
// On false, the system's last error tells why a folder could not be made.
bool CreateFolderTree(const std::wstring& folder);

// ANSI text of the system code page as a wide string.
std::wstring WideFromAnsi(const std::string& text);
// UTF-8, in which the program carries the names it reads from the system
// and the command line, and back.
std::wstring WideFromUtf8(const std::string& text);
std::string Utf8FromWide(const std::wstring& text);
