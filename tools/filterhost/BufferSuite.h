// The buffer procedures, with the accounting tests and users rely on: bytes
// held now and at most, live buffers, and an allocation that can be made to fail.
#pragma once

#include <map>
#include <memory>

#include "HostConstants.h"

class BufferSuite {
public:
    // space: bytes the plug-in may hold at once. failAllocationAt: the k-th
    // allocation (1-based) fails; 0 never.
    explicit BufferSuite(int64_t space, int32_t failAllocationAt = 0);
    BufferSuite(const BufferSuite&) = delete;
    BufferSuite& operator=(const BufferSuite&) = delete;

    BufferProcs* procs() { return &procs_; }

    OSErr allocate(int32_t size, BufferID* id);
    Ptr lock(BufferID id);
    void free(BufferID id);
    int32_t space() const;  // bytes still available

    int64_t currentBytes() const { return current_; }
    int64_t peakBytes() const { return peak_; }
    size_t liveCount() const { return buffers_.size(); }
    int32_t allocations() const { return allocations_; }

private:
    struct Buffer {
        Bytes bytes;      // at least one byte, so every buffer has its own address
        int64_t size = 0;  // as requested, for the accounting
    };

    BufferProcs procs_;
    std::map<BufferID, std::unique_ptr<Buffer>> buffers_;
    int64_t space_;
    int64_t current_ = 0;
    int64_t peak_ = 0;
    int32_t failAllocationAt_;
    int32_t allocations_ = 0;
};
