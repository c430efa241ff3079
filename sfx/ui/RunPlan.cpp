#include "RunPlan.h"

#include "InfInstall.h"

namespace {

constexpr size_t kShortestRunnablePath = 5;

}  // namespace

std::wstring FolderPart(const std::wstring& path) {
    const size_t last = path.find_last_of(L"\\:");
    return last == std::wstring::npos ? std::wstring() : path.substr(0, last + 1);
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
