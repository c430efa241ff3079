#include "ProgramEnd.h"

#include <windows.h>

#include "ModuleShutdown.h"
#include "PhaseMark.h"
#include "StartupState.h"

[[noreturn]] void EndProcess(int exitCode) {
    MarkPhase("ending");
    // The module must be unloaded before its file can go.
    ShutdownSevenZip();
    if (!workFolder.empty()) {
        // Deliberately unchecked: a file that was never written is simply not there.
        DeleteFileA((workFolder + kModuleFileName).c_str());
        RemoveDirectoryA(workFolder.c_str());
    }
    MarkPhase("cleaned");
    ExitProcess(UINT(exitCode));
}
