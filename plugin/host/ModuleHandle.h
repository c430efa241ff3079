// The plug-in library's own module, recorded when it is loaded: its dialogs,
// the toolbar bitmap and the toolbar window are created from it. Windows only.
#pragma once

#include <windows.h>

extern HINSTANCE ModuleHandle;
