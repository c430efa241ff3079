#include "PluginState.h"

#include <algorithm>
#include <cstring>

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

// The bytes of the data block that hold this record's fields: a block kept
// from a shorter record (one without the later points) is grown to the
// record's size first. -1 when it is too short and cannot grow. A host
// without the size procedures kept the block as it was made, full size.
static int32 FitDataBlock(Handle data) {
    constexpr int32 kRecordSize = int32(sizeof(PluginData));
    HandleProcs* procs = gFilterRecord->handleProcs;
    if (!procs->getSizeProc) return kRecordSize;
    const int32 size = procs->getSizeProc(data);
    if (size >= kRecordSize) return kRecordSize;
    if (!procs->setSizeProc || procs->setSizeProc(data, kRecordSize) != noErr) return -1;
    return std::max(size, 0);
}

bool LockHandles() {
    Handle params = gFilterRecord->parameters;
    Handle data = DataHandle();
    if (!params || !data) {
        *gResult = filterBadParameters;
        return false;
    }
    const int32 kept = FitDataBlock(data);
    HandleProcs* procs = gFilterRecord->handleProcs;
    gParams = reinterpret_cast<Parameters*>(procs->lockProc(params, true));
    gData = kept < 0 ? nullptr : reinterpret_cast<PluginData*>(procs->lockProc(data, true));
    if (gData) std::memset(reinterpret_cast<char*>(gData) + kept, 0, sizeof(PluginData) - size_t(kept));
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
