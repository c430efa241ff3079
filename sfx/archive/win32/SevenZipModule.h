// The extraction module of the process: loaded once, by its full path, on
// the first open; unloaded only by ShutdownSevenZip. The sessions alive are
// known here, so that the handlers they hold go back before the unload.
#pragma once

#include <windows.h>

#include <string>

#include "SevenZipInterfaces.h"

class TSevenZip;

// Loads folder + "7z.dll" if no module is loaded yet; null when that fails.
HMODULE SevenZipModule(const std::wstring& folder);
// The module loaded now, or null.
HMODULE LoadedSevenZipModule();
// Its "CreateObject" export, looked up anew on every call; null when absent.
CreateObjectFunc SevenZipCreateObject();

void RegisterSession(TSevenZip* session);
void UnregisterSession(TSevenZip* session);
