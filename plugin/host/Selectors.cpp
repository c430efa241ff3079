#include "Selectors.h"

#include "Dialog.h"
#include "PluginState.h"
#include "Rects.h"
#include "RunFilter.h"
#include "Scripting.h"

namespace {

Handle NewHandle(size_t size) {
    NewPIHandleProc newProc = gFilterRecord->handleProcs->newProc;
    return newProc ? newProc(int32(size)) : nullptr;
}

void InitialiseBlocks() {
    gParams->wireAreaWidth = kDefaultWireAreaWidth;
    gData->showDialog = 1;
    gData->pointCount = 0;
    gData->view = PreviewView{};
    gData->view.scale = 1.0;
    gData->view.fitScale = 1.0;
}

bool HaveBothHandles() { return gFilterRecord->parameters && gDataSlot && *gDataSlot; }

}  // namespace

void DoParameters() {
    if (!gFilterRecord->parameters) {
        gFilterRecord->parameters = NewHandle(sizeof(Parameters));
        if (!gFilterRecord->parameters) *gResult = memFullErr;
    }
    if (gDataSlot && !*gDataSlot) {
        *gDataSlot = reinterpret_cast<intptr_t>(NewHandle(sizeof(PluginData)));
        if (!*gDataSlot) *gResult = memFullErr;
    }
    if (*gResult != noErr) return;
    if (LockHandles()) InitialiseBlocks();
}

void DoPrepare() {
    if (HaveBothHandles())
        LockHandles();
    else
        DoParameters();
}

void DoStart() {
    if (!LockHandles()) return;
    ReadRegistryParameters();
    const int32 widthBefore = gParams->wireAreaWidth;

    Boolean displayDialog = false;
    const OSErr scriptError = ReadScriptParameters(&displayDialog);
    const bool proceed = scriptError != noErr || !displayDialog || DoUI();
    gData->showDialog = 0;

    if (proceed) {
        RunFilter();
    } else {
        gParams->wireAreaWidth = widthBefore;
        *gResult = userCanceledErr;
    }
}

void DoContinue() {
    // All image work is done in the start selector: empty requests end the
    // host's continue loop at once.
    const VRect none{0, 0, 0, 0};
    SetInRect(none);
    SetOutRect(none);
    SetMaskRect(none);
}

void DoFinish() {
    if (!LockHandles()) return;
    WriteScriptParameters();
    WriteRegistryParameters();
}
