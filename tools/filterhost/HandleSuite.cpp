#include "HandleSuite.h"

#include <algorithm>

#include "Active.h"

namespace {

// Master pointers never alias: an empty block still owns one byte.
void Reseat(Bytes& bytes, char*& master, int32_t size) {
    bytes.resize(size_t(size));
    if (bytes.capacity() == 0) bytes.reserve(1);
    master = reinterpret_cast<char*>(bytes.data());
}

Handle PI_CDECL NewProc(int32 size) {
    return OnActive<HandleSuite>(Handle(nullptr), [&](HandleSuite& s) { return s.pluginNew(size); });
}
void PI_CDECL DisposeProc(Handle h) {
    OnActiveVoid<HandleSuite>([&](HandleSuite& s) { s.dispose(h); });
}
int32 PI_CDECL GetSizeProc(Handle h) {
    return OnActive<HandleSuite>(int32(0), [&](HandleSuite& s) { return s.size(h); });
}
OSErr PI_CDECL SetSizeProc(Handle h, int32 size) {
    return OnActive<HandleSuite>(OSErr(memFullErr), [&](HandleSuite& s) { return s.resize(h, size); });
}
Ptr PI_CDECL LockProc(Handle h, Boolean) {
    return OnActive<HandleSuite>(Ptr(nullptr), [&](HandleSuite& s) { return s.lock(h); });
}
void PI_CDECL UnlockProc(Handle h) {
    OnActiveVoid<HandleSuite>([&](HandleSuite& s) { s.unlock(h); });
}
// Memory is not reclaimed on request; nothing is cached that could be freed.
void PI_CDECL RecoverSpaceImpl(int32) {}

}  // namespace

HandleSuite::HandleSuite(int32_t failNewAt) : procs_{}, failNewAt_(failNewAt) {
    procs_.handleProcsVersion = 1;
    procs_.numHandleProcs = 8;
    procs_.newProc = NewProc;
    procs_.disposeProc = DisposeProc;
    procs_.getSizeProc = GetSizeProc;
    procs_.setSizeProc = SetSizeProc;
    procs_.lockProc = LockProc;
    procs_.unlockProc = UnlockProc;
    procs_.recoverSpaceProc = RecoverSpaceImpl;
    // Handles not made by us are refused by the lookup, so both disposals are one.
    procs_.disposeRegularHandleProc = DisposeProc;
}

Handle HandleSuite::pluginNew(int32_t size) { return ++newCalls_ == failNewAt_ ? nullptr : create(size); }

Handle HandleSuite::create(int32_t size) {
    if (size < 0 || size > kMaxHandleBytes) return nullptr;
    auto block = std::make_unique<Block>();
    Reseat(block->bytes, block->master, size);
    Handle h = &block->master;
    blocks_.emplace(h, std::move(block));
    return h;
}

Handle HandleSuite::createWith(const Bytes& contents) {
    if (contents.size() > size_t(kMaxHandleBytes)) return nullptr;
    Handle h = create(int32_t(contents.size()));
    if (h) std::copy(contents.begin(), contents.end(), find(h)->bytes.begin());
    return h;
}

bool HandleSuite::dispose(Handle h) { return blocks_.erase(h) != 0; }

int32_t HandleSuite::size(Handle h) const {
    Block* b = find(h);
    return b ? int32_t(b->bytes.size()) : 0;
}

OSErr HandleSuite::resize(Handle h, int32_t size) {
    Block* b = find(h);
    if (!b) return kNilHandleErr;
    // A locked block must not move under the pointer the plug-in holds.
    if (b->locked || size < 0 || size > kMaxHandleBytes) return memFullErr;
    Reseat(b->bytes, b->master, size);
    return noErr;
}

Ptr HandleSuite::lock(Handle h) {
    Block* b = find(h);
    if (!b) return nullptr;
    b->locked = true;
    return b->master;
}

void HandleSuite::unlock(Handle h) {
    if (Block* b = find(h)) b->locked = false;
}

bool HandleSuite::owns(Handle h) const { return find(h) != nullptr; }

bool HandleSuite::isLocked(Handle h) const {
    Block* b = find(h);
    return b && b->locked;
}

Bytes HandleSuite::contents(Handle h) const {
    Block* b = find(h);
    return b ? b->bytes : Bytes{};
}

HandleSuite::Block* HandleSuite::find(Handle h) const {
    auto it = blocks_.find(h);
    return it == blocks_.end() ? nullptr : it->second.get();
}
