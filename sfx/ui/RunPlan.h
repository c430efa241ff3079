// What runs after an extraction: runCommand, a file named relative to the
// destination folder, is installed when it is an INF file and opened by the
// shell otherwise.
#pragma once

#include <string>
#include <vector>

struct RunPlan {
    enum Kind { kNothing, kInstallInf, kOpen };
    Kind kind = kNothing;
    std::wstring fullPath;       // destination + "\" + runCommand, arguments included
    std::wstring workingFolder;  // the full path up to and including its last "\" or ":"
};

// destination is the folder as used for the extraction. A full path of four
// characters or fewer runs nothing.
RunPlan PlanRunAfterExtract(const std::wstring& destination, const std::wstring& runCommand);

// Whether the plan's full path names one of the files written, or one of
// them followed by a blank and the arguments that runCommand holds. Case
// and "/" for "\" do not matter, as on Windows.
bool RunsWrittenFile(const RunPlan& plan, const std::vector<std::wstring>& written);

// The part of path up to and including its last "\" or ":"; empty without one.
std::wstring FolderPart(const std::wstring& path);
