#include "ProgramEnd.h"

#include <windows.h>

#include "ModuleShutdown.h"
#include "PhaseMark.h"
#include "WorkFolderCreate.h"

[[noreturn]] void EndProcess(int exitCode) {
    MarkPhase("ending");
    // The module must be unloaded before its file can go.
    ShutdownSevenZip();
    RemoveWorkFolder();
    MarkPhase("cleaned");
    ExitProcess(UINT(exitCode));
}
