#include "HostSteps.h"

#include "PluginState.h"

namespace {

// Every row of the block starts on a sample boundary.
template <typename Sample>
bool RowsAligned(const void* data, int32 rowBytes) {
    return reinterpret_cast<uintptr_t>(data) % alignof(Sample) == 0 && rowBytes % int32(sizeof(Sample)) == 0;
}

}  // namespace

template <typename Sample>
bool RequestPlane(int16 plane, const WireJob& job, PlaneBlock<Sample>& block) {
    FilterRecord* record = gFilterRecord;
    record->inLoPlane = record->inHiPlane = plane;
    record->outLoPlane = record->outHiPlane = plane;
    *gResult = record->advanceState ? record->advanceState() : OSErr(paramErr);
    if (*gResult != noErr) return false;
    // The block is addressed with the host's row strides: refuse one that
    // cannot hold the area rather than read or write past it.
    const int64 rowLength = int64(job.areaWidth) * int64(sizeof(Sample));
    if (record->depth != int32(8 * sizeof(Sample)) || !record->inData || !record->outData ||
        record->inRowBytes < rowLength || record->outRowBytes < rowLength ||
        !RowsAligned<Sample>(record->inData, record->inRowBytes) ||
        !RowsAligned<Sample>(record->outData, record->outRowBytes)) {
        *gResult = paramErr;
        return false;
    }
    block.in = static_cast<const uint8*>(record->inData);
    block.inRowBytes = record->inRowBytes;
    block.out = static_cast<uint8*>(record->outData);
    block.outRowBytes = record->outRowBytes;
    return true;
}

template bool RequestPlane(int16, const WireJob&, PlaneBlock<uint8>&);
template bool RequestPlane(int16, const WireJob&, PlaneBlock<uint16>&);

bool ReportSteps(WireJob& job, int32 count) {
    for (int32 n = 0; n < count; ++n)
        if (!ReportStep(job)) return false;
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
