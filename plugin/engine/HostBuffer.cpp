#include "HostBuffer.h"

#include <cstring>

#include "PluginState.h"

namespace {

// The host's suite, when it offers the four procedures we call.
BufferProcs* Suite() {
    BufferProcs* procs = gFilterRecord ? gFilterRecord->bufferProcs : nullptr;
    if (!procs || !procs->allocateProc || !procs->lockProc || !procs->unlockProc || !procs->freeProc)
        return nullptr;
    return procs;
}

bool NotSupplied() {
    *gResult = memFullErr;
    return false;
}

}  // namespace

bool HostBuffer::Resize(int32 n, int32 elementSize) {
    Release();
    const int64 bytes = int64(n) * elementSize;
    if (n < 0 || bytes > INT32_MAX) return NotSupplied();
    if (bytes == 0) return true;  // e.g. a wire rectangle wholly outside the image
    BufferProcs* procs = Suite();
    if (!procs) return NotSupplied();
    BufferID newId = nullptr;
    if (procs->allocateProc(int32(bytes), &newId) != noErr || !newId) return NotSupplied();
    Ptr locked = procs->lockProc(newId, true);
    if (!locked) {
        procs->freeProc(newId);
        return NotSupplied();
    }
    std::memset(locked, 0, size_t(bytes));
    id = newId;
    data = locked;
    count = n;
    return true;
}

void HostBuffer::Release() {
    if (id) {
        if (BufferProcs* procs = Suite()) {
            procs->unlockProc(id);
            procs->freeProc(id);
        }
    }
    id = nullptr;
    data = nullptr;
    count = 0;
}

bool HostGrid::Resize(int32 columns, int32 rowCount, int32 elementSize) {
    stride = 0;
    rows = 0;
    const int64 cells = int64(columns) * rowCount;
    if (columns < 0 || rowCount < 0 || cells > INT32_MAX) {
        buffer.Release();
        return NotSupplied();
    }
    if (!buffer.Resize(int32(cells), elementSize)) return false;
    stride = columns;
    rows = rowCount;
    return true;
}

void HostGrid::Release() {
    buffer.Release();
    stride = 0;
    rows = 0;
}
