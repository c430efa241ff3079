#include "PluginState.h"
#include "Scripting.h"

namespace {

PIDescriptorParameters* Descriptors() { return gFilterRecord->descriptorParameters; }

bool CanRead(const PIDescriptorParameters* dp) {
    const ReadDescriptorProcs* procs = dp ? dp->readDescriptorProcs : nullptr;
    return procs && procs->openReadDescriptorProc && procs->closeReadDescriptorProc && procs->getKeyProc &&
           procs->getIntegerProc && dp->descriptor;
}

bool CanWrite(const PIDescriptorParameters* dp) {
    const WriteDescriptorProcs* procs = dp ? dp->writeDescriptorProcs : nullptr;
    return procs && procs->openWriteDescriptorProc && procs->closeWriteDescriptorProc && procs->putIntegerProc;
}

// Reads the keys of an open descriptor. Only 'wawi' is known: any other key
// ends the reading, and what the reader's close then reports is what counts.
void ReadKeys(const ReadDescriptorProcs* procs, PIReadDescriptor token) {
    DescriptorKeyID key = 0;
    DescriptorTypeID type = 0;
    int32 flags = 0;
    while (procs->getKeyProc(token, &key, &type, &flags) && key == keyWireAreaWidth) {
        int32 width = 0;
        if (procs->getIntegerProc(token, &width) == noErr) gParams->wireAreaWidth = width;
    }
}

void DisposeDescriptor(PIDescriptorParameters* dp) {
    if (dp->descriptor) gFilterRecord->handleProcs->disposeProc(dp->descriptor);
    dp->descriptor = nullptr;
}

}  // namespace

OSErr ReadScriptParameters(Boolean* displayDialog) {
    if (!displayDialog) return errMissingParameter;
    *displayDialog = gData->showDialog;

    PIDescriptorParameters* dp = Descriptors();
    if (!CanRead(dp)) return noErr;

    const ReadDescriptorProcs* procs = dp->readDescriptorProcs;
    DescriptorKeyID keys[] = {keyWireAreaWidth, 0};
    OSErr err = noErr;
    if (PIReadDescriptor token = procs->openReadDescriptorProc(dp->descriptor, keys)) {
        ReadKeys(procs, token);
        err = procs->closeReadDescriptorProc(token);
        DisposeDescriptor(dp);
    }
    *displayDialog = dp->playInfo == plugInDialogDisplay;
    return err;
}

OSErr WriteScriptParameters() {
    PIDescriptorParameters* dp = Descriptors();
    if (!CanWrite(dp)) return noErr;

    const WriteDescriptorProcs* procs = dp->writeDescriptorProcs;
    PIWriteDescriptor token = procs->openWriteDescriptorProc();
    if (!token) return errMissingParameter;
    procs->putIntegerProc(token, keyWireAreaWidth, gParams->wireAreaWidth);
    DisposeDescriptor(dp);
    procs->closeWriteDescriptorProc(token, &dp->descriptor);
    dp->recordInfo = plugInDialogOptional;
    return noErr;
}
