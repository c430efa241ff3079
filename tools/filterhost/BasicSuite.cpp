#include "BasicSuite.h"

#include <cstdlib>
#include <cstring>

#include "Active.h"
#include "HostConstants.h"

namespace {

constexpr size_t kMaxBlock = size_t(256) << 20;

SPErr PI_CDECL AcquireProc(const char* name, int32 version, const void** suite) {
    return OnActive<BasicSuite>(kSPBadParameterError, [&](BasicSuite& b) { return b.acquire(name, version, suite); });
}
SPErr PI_CDECL ReleaseProc(const char* name, int32 version) {
    return OnActive<BasicSuite>(kSPBadParameterError, [&](BasicSuite& b) { return b.release(name, version); });
}
int32 PI_CDECL IsEqualProc(const char* a, const char* b) { return a && b && std::strcmp(a, b) == 0; }
SPErr PI_CDECL AllocateProc(size_t size, void** block) {
    return OnActive<BasicSuite>(kSPBadParameterError, [&](BasicSuite& b) { return b.allocate(size, block); });
}
SPErr PI_CDECL FreeProc(void* block) {
    return OnActive<BasicSuite>(kSPBadParameterError, [&](BasicSuite& b) { return b.free(block); });
}
SPErr PI_CDECL ReallocateProc(void* block, size_t size, void** newBlock) {
    return OnActive<BasicSuite>(kSPBadParameterError,
                                [&](BasicSuite& b) { return b.reallocate(block, size, newBlock); });
}
SPErr PI_CDECL UndefinedProc() { return kSPUnimplementedError; }

}  // namespace

BasicSuite::BasicSuite(ActionDescriptors& descriptors, RegistrySuite& registry, UrlBrowser& browser)
    : table_{AcquireProc, ReleaseProc, IsEqualProc, AllocateProc, FreeProc, ReallocateProc, UndefinedProc},
      descriptors_(descriptors),
      registry_(registry),
      browser_(browser) {}

BasicSuite::~BasicSuite() {
    for (void* block : blocks_) std::free(block);
}

const void* BasicSuite::suite(const char* name, int32 version) const {
    if (!name) return nullptr;
    if (std::strcmp(name, kPSDescriptorRegistrySuite) == 0 && version == kPSDescriptorRegistrySuiteVersion)
        return registry_.procs();
    if (std::strcmp(name, kPSActionDescriptorSuite) == 0 && version == kPSActionDescriptorSuiteVersion2)
        return descriptors_.procs();
    if (std::strcmp(name, kPSGetFileListSuite) == 0 && version == kPSGetFileListSuiteVersion) return browser_.suite();
    return nullptr;
}

SPErr BasicSuite::acquire(const char* name, int32 version, const void** suite) {
    if (!suite) return kSPBadParameterError;
    *suite = this->suite(name, version);
    if (!*suite) return kSPSuiteNotFoundError;
    ++outstanding_;
    return kSPNoError;
}

SPErr BasicSuite::release(const char* name, int32 version) {
    if (!suite(name, version)) return kSPSuiteNotFoundError;
    --outstanding_;
    return kSPNoError;
}

SPErr BasicSuite::allocate(size_t size, void** block) {
    if (!block) return kSPBadParameterError;
    *block = size <= kMaxBlock ? std::malloc(size ? size : 1) : nullptr;
    if (!*block) return memFullErr;
    blocks_.insert(*block);
    return kSPNoError;
}

SPErr BasicSuite::free(void* block) {
    if (!blocks_.erase(block)) return kSPBadParameterError;
    std::free(block);
    return kSPNoError;
}

SPErr BasicSuite::reallocate(void* block, size_t size, void** newBlock) {
    if (!newBlock || (block && !blocks_.count(block))) return kSPBadParameterError;
    if (!block) return allocate(size, newBlock);
    void* moved = size <= kMaxBlock ? std::realloc(block, size ? size : 1) : nullptr;
    if (!moved) return memFullErr;
    blocks_.erase(block);
    blocks_.insert(moved);
    *newBlock = moved;
    return kSPNoError;
}
