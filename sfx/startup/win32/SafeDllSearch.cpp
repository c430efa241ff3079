#include "SafeDllSearch.h"

#include <windows.h>

namespace {

constexpr DWORD kSearchSystem32 = 0x00000800;  // LOAD_LIBRARY_SEARCH_SYSTEM32

using SetDefaultDllDirectoriesProc = BOOL(WINAPI*)(DWORD);

}  // namespace

void RestrictDllSearch() {
    // Systems without the call (before Windows 7 with its update) keep at
    // least the current folder out of the search.
    SetDllDirectoryW(L"");
    const HMODULE kernel = GetModuleHandleW(L"kernel32.dll");
    if (!kernel) return;
    const auto setDefault = reinterpret_cast<SetDefaultDllDirectoriesProc>(
        reinterpret_cast<void*>(GetProcAddress(kernel, "SetDefaultDllDirectories")));
    if (setDefault) setDefault(kSearchSystem32);
}
