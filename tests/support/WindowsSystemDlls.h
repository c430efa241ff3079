// The DLLs that every Windows installation has: the only ones that our
// deliverables may import.
#pragma once

#include <algorithm>
#include <cctype>
#include <set>
#include <string>

inline bool IsWindowsSystemDll(std::string name) {
    static const std::set<std::string> system = {
        "kernel32.dll", "user32.dll",   "gdi32.dll",    "msvcrt.dll",   "comctl32.dll", "shell32.dll",
        "advapi32.dll", "ole32.dll",    "oleaut32.dll", "comdlg32.dll", "shlwapi.dll",  "version.dll"};
    std::transform(name.begin(), name.end(), name.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    return system.count(name) != 0;
}
