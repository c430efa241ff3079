#include "ProxyImage.h"

#include "PreviewState.h"
#include "Rects.h"
#include "SampleConversion.h"
#include "ScreenRect.h"

namespace {

constexpr int16 kPadWhite = 255;

int32 PlaneCount() { return std::max<int32>(gFilterRecord->planes, 0); }

// Copies the block advanceState delivered for plane p into its buffer plane.
bool CopyPlane(int32 p) {
    const PreviewView& view = View();
    const FilterRecord& record = *gFilterRecord;
    const int64 rowLength = int64(view.proxyWidth) * SampleBytes(record.depth);
    if (!record.inData || record.inRowBytes < rowLength) return false;
    const uint8* src = static_cast<const uint8*>(record.inData);
    uint8* dst = view.pixels + size_t(p) * size_t(view.planeSize);
    for (int32 row = 0; row < view.proxyHeight; ++row) {
        ConvertSamples(src, record.depth, view.proxyWidth, dst);
        src += record.inRowBytes;
        dst += view.proxyWidth;
    }
    return true;
}

}  // namespace

void SetupProxy() {
    PreviewView& view = View();
    const int16 factor = SamplingFactor(view.scale);
    SetInRect(GetFilterRect());
    VRect request = GetInRect();
    ScaleRect(request, 1, factor);
    SetInRect(request);
    SetMaskRect(GetInRect());
    gFilterRecord->inputRate = gFilterRecord->maskRate = Fixed(factor) << 16;
    gFilterRecord->inputPadding = gFilterRecord->maskPadding = kPadWhite;

    const VRect& r = view.proxyRect;
    view.proxyWidth = Span(r.left, r.right);
    view.proxyHeight = Span(r.top, r.bottom);
    view.planeSize = Saturate(int64(view.proxyWidth) * view.proxyHeight);
}

void AllocateProxy() {
    ReleaseProxy();
    PreviewView& view = View();
    const BufferProcs* procs = gFilterRecord->bufferProcs;
    const int64 size = int64(PlaneCount()) * view.planeSize;
    if (!procs || !procs->allocateProc || !procs->lockProc || size == 0 || size > INT32_MAX) return;
    BufferID id = nullptr;
    if (procs->allocateProc(int32(size), &id) != noErr || !id) return;
    view.bufferID = id;
    view.pixels = reinterpret_cast<uint8*>(procs->lockProc(id, true));
}

void FillProxy() {
    if (!View().pixels) return;
    FilterRecord& record = *gFilterRecord;
    for (int32 p = 0; p < PlaneCount(); ++p) {
        record.inLoPlane = record.inHiPlane = int16(p);
        *gResult = record.advanceState ? record.advanceState() : OSErr(paramErr);
        if (*gResult != noErr) return;
        if (!CopyPlane(p)) {
            *gResult = paramErr;
            return;
        }
    }
}

void ReleaseProxy() {
    PreviewView& view = View();
    const BufferProcs* procs = gFilterRecord->bufferProcs;
    if (view.bufferID && procs) {
        if (procs->unlockProc) procs->unlockProc(view.bufferID);
        if (procs->freeProc) procs->freeProc(view.bufferID);
    }
    view.bufferID = nullptr;
    view.pixels = nullptr;
}

void BuildProxy() {
    SetupProxy();
    AllocateProxy();
    if (*gResult == noErr) FillProxy();
}
