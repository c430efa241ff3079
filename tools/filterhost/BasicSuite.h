// The basic suite: AcquireSuite and ReleaseSuite by name and version for the
// descriptor registry (v1), action descriptor (v2) and file-list (v4) suites,
// anything else not found; plus the block allocator, which tracks its blocks so that a
// foreign pointer is refused.
#pragma once

#include <set>

#include "ActionDescriptors.h"
#include "RegistrySuite.h"
#include "UrlBrowser.h"

class BasicSuite {
public:
    BasicSuite(ActionDescriptors& descriptors, RegistrySuite& registry, UrlBrowser& browser);
    ~BasicSuite();
    BasicSuite(const BasicSuite&) = delete;
    BasicSuite& operator=(const BasicSuite&) = delete;

    SPBasicSuite* table() { return &table_; }

    SPErr acquire(const char* name, int32 version, const void** suite);
    SPErr release(const char* name, int32 version);
    SPErr allocate(size_t size, void** block);
    SPErr free(void* block);
    SPErr reallocate(void* block, size_t size, void** newBlock);

    int32_t outstanding() const { return outstanding_; }  // acquired, not yet released

private:
    const void* suite(const char* name, int32 version) const;

    SPBasicSuite table_;
    ActionDescriptors& descriptors_;
    RegistrySuite& registry_;
    UrlBrowser& browser_;
    std::set<void*> blocks_;
    int32_t outstanding_ = 0;
};
