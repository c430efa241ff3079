// The start selector's modal dialog.
#include "Dialog.h"
#include "DialogIds.h"
#include "LinefixProc.h"
#include "ModuleHandle.h"
#include "OwnerWindow.h"
#include "PluginState.h"

bool DoUI() {
    const INT_PTR ended = DialogBoxParamA(ModuleHandle, kMainDialogName, OwnerWindow(gFilterRecord->platformData),
                                          LinefixProc, 0);
    // An error the preview ran into stays inside the dialog. A dialog that
    // could not be created (-1) counts as not confirmed.
    *gResult = noErr;
    return ended == kDialogConfirmed;
}
