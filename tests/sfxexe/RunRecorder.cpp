// Stands in for a program that a self-extractor starts after extracting:
// appends its working folder and its command line, one line, to the file that
// RECORD_TO names.
#include <windows.h>

#include <cstdio>

int main() {
    wchar_t target[MAX_PATH] = {}, folder[MAX_PATH] = {};
    if (!GetEnvironmentVariableW(L"RECORD_TO", target, MAX_PATH)) return 2;
    if (!GetCurrentDirectoryW(MAX_PATH, folder)) return 2;
    FILE* out = _wfopen(target, L"ab");
    if (!out) return 2;
    const bool written = std::fwprintf(out, L"%ls|%ls\n", folder, GetCommandLineW()) > 0;
    return std::fclose(out) == 0 && written ? 0 : 2;
}
