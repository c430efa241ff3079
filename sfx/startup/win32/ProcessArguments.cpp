#include "ProcessArguments.h"

#include <windows.h>
#include <shellapi.h>

#include "SystemPath.h"

// The wide command line split by the usual quoting rules, so that no
// argument goes through the ANSI code page.
std::vector<std::string> ProcessArguments() {
    std::vector<std::string> arguments;
    int count = 0;
    LPWSTR* split = CommandLineToArgvW(GetCommandLineW(), &count);
    if (!split) return arguments;
    for (int i = 1; i < count; ++i) arguments.push_back(Utf8FromWide(split[i]));
    LocalFree(split);
    return arguments;
}
