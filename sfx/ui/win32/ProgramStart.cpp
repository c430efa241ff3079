#include "ProgramStart.h"

#include <windows.h>
#include <shellapi.h>

#include <vector>

bool ShellOpen(const std::wstring& file, const std::wstring& parameters, const std::wstring& folder, int show) {
    const HINSTANCE result = ShellExecuteW(nullptr, L"open", file.c_str(), parameters.c_str(),
                                           folder.empty() ? nullptr : folder.c_str(), show);
    return INT_PTR(result) > 32;
}

bool StartCommandLine(const std::wstring& commandLine, int show) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = WORD(show);
    PROCESS_INFORMATION process{};
    std::vector<wchar_t> line(commandLine.begin(), commandLine.end());
    line.push_back(L'\0');  // CreateProcessW may write into its command line
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return false;
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
}
