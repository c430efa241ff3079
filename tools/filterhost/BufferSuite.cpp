#include "BufferSuite.h"

#include <algorithm>
#include <new>

#include "Active.h"

namespace {

OSErr PI_CDECL AllocateProc(int32 size, BufferID* id) {
    return OnActive<BufferSuite>(OSErr(memFullErr), [&](BufferSuite& s) { return s.allocate(size, id); });
}
Ptr PI_CDECL LockProc(BufferID id, Boolean) {
    return OnActive<BufferSuite>(Ptr(nullptr), [&](BufferSuite& s) { return s.lock(id); });
}
// Buffers never move, so unlocking has nothing to do.
void PI_CDECL UnlockProc(BufferID) {}
void PI_CDECL FreeProc(BufferID id) {
    OnActiveVoid<BufferSuite>([&](BufferSuite& s) { s.free(id); });
}
int32 PI_CDECL SpaceProc() {
    return OnActive<BufferSuite>(int32(0), [](BufferSuite& s) { return s.space(); });
}

}  // namespace

BufferSuite::BufferSuite(int64_t space, int32_t failAllocationAt)
    : procs_{}, space_(space), failAllocationAt_(failAllocationAt) {
    procs_.bufferProcsVersion = 2;
    procs_.numBufferProcs = 5;
    procs_.allocateProc = AllocateProc;
    procs_.lockProc = LockProc;
    procs_.unlockProc = UnlockProc;
    procs_.freeProc = FreeProc;
    procs_.spaceProc = SpaceProc;
}

OSErr BufferSuite::allocate(int32_t size, BufferID* id) {
    if (!id) return paramErr;
    *id = nullptr;
    if (size < 0) return paramErr;
    if (++allocations_ == failAllocationAt_ || current_ + size > space_) return memFullErr;
    auto buffer = std::make_unique<Buffer>();
    buffer->size = size;
    try {
        buffer->bytes.resize(size_t(std::max(size, int32_t(1))));
    } catch (const std::bad_alloc&) {
        return memFullErr;
    }
    BufferID key = reinterpret_cast<BufferID>(buffer.get());
    buffers_.emplace(key, std::move(buffer));
    current_ += size;
    peak_ = std::max(peak_, current_);
    *id = key;
    return noErr;
}

Ptr BufferSuite::lock(BufferID id) {
    auto it = buffers_.find(id);
    if (it == buffers_.end()) return nullptr;
    return reinterpret_cast<Ptr>(it->second->bytes.data());
}

void BufferSuite::free(BufferID id) {
    auto it = buffers_.find(id);
    if (it == buffers_.end()) return;
    current_ -= it->second->size;
    buffers_.erase(it);
}

int32_t BufferSuite::space() const { return int32_t(std::clamp<int64_t>(space_ - current_, 0, INT32_MAX)); }
