// The handle procedures. A handle is the address of a master pointer that
// points at the block, as plug-ins expect, but every handle the plug-in passes
// back is looked up first, so a stale or foreign one is refused, not followed.
#pragma once

#include <map>
#include <memory>

#include "HostConstants.h"

class HandleSuite {
public:
    // failNewAt: the plug-in's k-th newProc call (1-based) fails; 0 never.
    explicit HandleSuite(int32_t failNewAt = 0);
    HandleSuite(const HandleSuite&) = delete;
    HandleSuite& operator=(const HandleSuite&) = delete;

    HandleProcs* procs() { return &procs_; }

    Handle pluginNew(int32_t size);  // newProc: counted for the injected failure
    Handle create(int32_t size);     // null when the size is refused
    Handle createWith(const Bytes& contents);
    bool dispose(Handle h);
    int32_t size(Handle h) const;  // 0 for an unknown handle
    OSErr resize(Handle h, int32_t size);
    Ptr lock(Handle h);
    void unlock(Handle h);

    bool owns(Handle h) const;
    bool isLocked(Handle h) const;
    Bytes contents(Handle h) const;  // empty for an unknown handle
    size_t liveCount() const { return blocks_.size(); }

private:
    struct Block {
        char* master;  // what *handle reads; first member so the handle is its address
        Bytes bytes;
        bool locked = false;
    };
    Block* find(Handle h) const;

    HandleProcs procs_;
    std::map<Handle, std::unique_ptr<Block>> blocks_;
    int32_t failNewAt_;
    int32_t newCalls_ = 0;
};

// Largest block a handle may hold.
constexpr int32_t kMaxHandleBytes = 256 << 20;
