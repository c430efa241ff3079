#include "RunAfterExtract.h"

#include <windows.h>

#include <vector>

#include "InfInstall.h"
#include "ProgramStart.h"
#include "RunPlan.h"
#include "StartupState.h"
#include "SystemPath.h"

namespace {

std::wstring SystemFolder() {
    std::vector<wchar_t> folder(MAX_PATH);
    const UINT length = GetSystemDirectoryW(folder.data(), UINT(folder.size()));
    return length > 0 && length < folder.size() ? std::wstring(folder.data(), length) : std::wstring();
}

}  // namespace

bool InstallInf(std::wstring& command, const std::wstring& suffix) {
    OSVERSIONINFOW version{};
    version.dwOSVersionInfoSize = sizeof version;
    if (!GetVersionExW(&version)) return false;
    const std::wstring systemFolder = SystemFolder();
    // Without the system folder the runner would be looked for on the search
    // path, which is what the full path avoids.
    if (version.dwPlatformId == kPlatformWindowsNt && systemFolder.empty()) return false;
    command = InfCommandLine(version.dwPlatformId, systemFolder, command, suffix);
    return StartCommandLine(command, SW_SHOW);
}

void RunAfterExtract(const std::wstring& destination, const std::vector<std::wstring>& written) {
    const RunPlan plan = PlanRunAfterExtract(destination, WideFromAnsi(ReadSetting(sfxSettings.runCommand)));
    // A file already there that the run skipped or failed to replace is
    // not the archive's, whoever put it there.
    if (!RunsWrittenFile(plan, written)) return;
    switch (plan.kind) {
        case RunPlan::kNothing:
            return;
        case RunPlan::kInstallInf: {
            std::wstring command = plan.fullPath;
            InstallInf(command, std::wstring());
            return;
        }
        case RunPlan::kOpen:
            ShellOpen(plan.fullPath, WideFromUtf8(runArguments), plan.workingFolder, SW_SHOW);
            return;
    }
}
