#include "PluginState.h"

FilterRecord* gFilterRecord = nullptr;
AboutRecord* gAboutRecord = nullptr;
intptr_t* gDataSlot = nullptr;
int16* gResult = nullptr;
SPBasicSuite* gBasicSuite = nullptr;
Parameters* gParams = nullptr;
PluginData* gData = nullptr;

void BeginCall(int16 selector, void* record, intptr_t* data, int16* result) {
    gDataSlot = data;
    gResult = result;
    gParams = nullptr;
    gData = nullptr;
    if (selector == filterSelectorAbout) {
        gFilterRecord = nullptr;
        gAboutRecord = static_cast<AboutRecord*>(record);
        gBasicSuite = gAboutRecord ? gAboutRecord->sSPBasic : nullptr;
        return;
    }
    gAboutRecord = nullptr;
    gFilterRecord = static_cast<FilterRecord*>(record);
    gBasicSuite = gFilterRecord->sSPBasic;
    // Ask the host to fill and read the 32-bit rectangles.
    if (gFilterRecord->bigDocumentData) gFilterRecord->bigDocumentData->PluginUsing32BitCoordinates = 1;
}

static Handle DataHandle() { return gDataSlot ? reinterpret_cast<Handle>(*gDataSlot) : nullptr; }

bool LockHandles() {
    Handle params = gFilterRecord->parameters;
    Handle data = DataHandle();
    if (!params || !data) {
        *gResult = filterBadParameters;
        return false;
    }
    HandleProcs* procs = gFilterRecord->handleProcs;
    gParams = reinterpret_cast<Parameters*>(procs->lockProc(params, true));
    gData = reinterpret_cast<PluginData*>(procs->lockProc(data, true));
    if (!gParams || !gData) {
        gParams = nullptr;
        gData = nullptr;
        *gResult = memFullErr;
        return false;
    }
    return true;
}

void UnlockHandles() {
    HandleProcs* procs = gFilterRecord->handleProcs;
    if (Handle data = DataHandle()) procs->unlockProc(data);
    if (gFilterRecord->parameters) procs->unlockProc(gFilterRecord->parameters);
    gParams = nullptr;
    gData = nullptr;
}
