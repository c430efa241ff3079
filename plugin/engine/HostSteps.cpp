#include "HostSteps.h"

#include "PluginState.h"

bool RequestPlane(int16 plane, const WireJob& job, PlaneBlock& block) {
    FilterRecord* record = gFilterRecord;
    record->inLoPlane = record->inHiPlane = plane;
    record->outLoPlane = record->outHiPlane = plane;
    *gResult = record->advanceState ? record->advanceState() : OSErr(paramErr);
    if (*gResult != noErr) return false;
    // The block is addressed with the host's row strides: refuse one that
    // cannot hold the area rather than read or write past it.
    if (record->depth != 8 || !record->inData || !record->outData || record->inRowBytes < job.areaWidth ||
        record->outRowBytes < job.areaWidth) {
        *gResult = paramErr;
        return false;
    }
    block.in = static_cast<const uint8*>(record->inData);
    block.inRowBytes = record->inRowBytes;
    block.out = static_cast<uint8*>(record->outData);
    block.outRowBytes = record->outRowBytes;
    return true;
}

bool ReportStep(WireJob& job) {
    ++job.progressDone;
    if (gFilterRecord->progressProc) gFilterRecord->progressProc(job.progressDone, job.progressTotal);
    if (gFilterRecord->abortProc && gFilterRecord->abortProc()) {
        *gResult = userCanceledErr;
        return false;
    }
    return true;
}
