// INF files are installed through the system's setup library: its section
// installer runs the DefaultInstall section with mode 132.
#pragma once

#include <cstdint>
#include <string>

// Whether path ends in ".INF", in any mix of letter case.
bool IsInfFile(std::wstring path);

// The platform values that the system version reports.
constexpr uint32_t kPlatformWindows9x = 1;
constexpr uint32_t kPlatformWindowsNt = 2;

// The command line that installs infPath. On the NT family the setup
// library's runner comes from systemFolder by its full path (quoted when it
// holds a blank), so that no program of that name elsewhere on the search
// path is started; any other platform gets the bare INF path. The section
// gets ".ntx86" only when suffix is exactly that. The INF path goes unquoted:
// the section installer takes the rest of its command line as the file name.
std::wstring InfCommandLine(uint32_t platform, const std::wstring& systemFolder, const std::wstring& infPath,
                            const std::wstring& suffix);
