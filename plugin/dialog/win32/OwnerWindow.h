// The host's window that owns the plug-in's dialogs.
#pragma once

#include <windows.h>

#include "HostInterface.h"

// The window in the host's platform data; none when the host gives no
// platform data or a handle that is not a window, so that the dialog can
// still be shown.
inline HWND OwnerWindow(const void* platformData) {
    if (!platformData) return nullptr;
    HWND owner = reinterpret_cast<HWND>(static_cast<const PlatformData*>(platformData)->hwnd);
    return IsWindow(owner) ? owner : nullptr;
}
