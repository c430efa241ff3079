#include "RunPlan.h"

#include <algorithm>

#include "InfInstall.h"
#include "MaskMatch.h"

namespace {

constexpr size_t kShortestRunnablePath = 5;

wchar_t PathFold(wchar_t c) { return c == L'/' ? L'\\' : FoldCase(c); }

bool StartsWithFile(const std::wstring& path, const std::wstring& file) {
    if (file.empty() || path.size() < file.size()) return false;
    if (!std::equal(file.begin(), file.end(), path.begin(), [](wchar_t a, wchar_t b) { return PathFold(a) == PathFold(b); }))
        return false;
    return path.size() == file.size() || path[file.size()] == L' ';
}

}  // namespace

std::wstring FolderPart(const std::wstring& path) {
    const size_t last = path.find_last_of(L"\\:");
    return last == std::wstring::npos ? std::wstring() : path.substr(0, last + 1);
}

bool RunsWrittenFile(const RunPlan& plan, const std::vector<std::wstring>& written) {
    return std::any_of(written.begin(), written.end(),
                       [&](const std::wstring& file) { return StartsWithFile(plan.fullPath, file); });
}

RunPlan PlanRunAfterExtract(const std::wstring& destination, const std::wstring& runCommand) {
    RunPlan plan;
    if (runCommand.empty()) return plan;
    plan.fullPath = destination;
    if (plan.fullPath.empty() || plan.fullPath.back() != L'\\') plan.fullPath += L'\\';
    plan.fullPath += runCommand;
    if (plan.fullPath.size() < kShortestRunnablePath) return plan;
    plan.kind = IsInfFile(plan.fullPath) ? RunPlan::kInstallInf : RunPlan::kOpen;
    plan.workingFolder = FolderPart(plan.fullPath);
    return plan;
}
