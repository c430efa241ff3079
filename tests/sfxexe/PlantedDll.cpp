// A DLL planted where a downloaded program lies (a downloads folder, the
// current folder) under the name of a DLL the program might load. Loaded, it
// leaves NAME.loaded in the folder that PLANTED_MARKERS names.
#include <windows.h>

BOOL WINAPI DllMain(HINSTANCE self, DWORD reason, LPVOID) {
    if (reason != DLL_PROCESS_ATTACH) return TRUE;
    wchar_t marker[MAX_PATH] = {}, path[MAX_PATH] = {};
    const DWORD length = GetEnvironmentVariableW(L"PLANTED_MARKERS", marker, MAX_PATH);
    if (length == 0 || !GetModuleFileNameW(self, path, MAX_PATH)) return TRUE;
    const wchar_t* name = path;
    for (const wchar_t* p = path; *p; ++p)
        if (*p == L'\\' || *p == L'/') name = p + 1;
    if (length + 1 + lstrlenW(name) + 8 > MAX_PATH) return TRUE;
    lstrcatW(marker, L"\\");
    lstrcatW(marker, name);
    lstrcatW(marker, L".loaded");
    HANDLE file = CreateFileW(marker, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
    return TRUE;
}
