// The library's load notification: records the module for the dialogs.
#include "ModuleHandle.h"

HINSTANCE ModuleHandle = nullptr;

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) {
        ModuleHandle = instance;
        // Thread notifications are of no use to the plug-in; failing to turn
        // them off only costs the calls.
        DisableThreadLibraryCalls(instance);
    }
    return TRUE;
}
