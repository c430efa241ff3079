#include "RegistrySuite.h"

#include <optional>

#include "Active.h"
#include "HostConstants.h"

namespace {

constexpr size_t kMaxKeyLength = 4096;

// The key as a string, or nothing when it is missing or runs on without end.
std::optional<std::string> KeyString(const char* key) {
    size_t n = 0;
    while (key && n < kMaxKeyLength && key[n] != 0) ++n;
    if (!key || n == kMaxKeyLength) return std::nullopt;
    return std::string(key, n);
}

OSErr PI_CDECL RegisterProc(const char* key, PIActionDescriptor descriptor, Boolean isPersistent) {
    return OnActive<RegistrySuite>(OSErr(paramErr), [&](RegistrySuite& s) {
        return s.registerDescriptor(key, descriptor, isPersistent != 0);
    });
}
OSErr PI_CDECL EraseProc(const char* key) {
    return OnActive<RegistrySuite>(OSErr(paramErr), [&](RegistrySuite& s) { return s.erase(key); });
}
OSErr PI_CDECL GetProc(const char* key, PIActionDescriptor* descriptor) {
    return OnActive<RegistrySuite>(OSErr(paramErr), [&](RegistrySuite& s) { return s.get(key, descriptor); });
}

}  // namespace

RegistrySuite::RegistrySuite(Registry& registry, ActionDescriptors& descriptors)
    : procs_{RegisterProc, EraseProc, GetProc}, registry_(registry), descriptors_(descriptors) {}

OSErr RegistrySuite::registerDescriptor(const char* key, PIActionDescriptor descriptor, bool persistent) {
    std::optional<std::string> name = KeyString(key);
    Descriptor* d = descriptors_.find(descriptor);
    if (!name || !d) return paramErr;
    return registry_.put(*name, *d, persistent) ? OSErr(noErr) : OSErr(kIoErr);
}

OSErr RegistrySuite::erase(const char* key) {
    std::optional<std::string> name = KeyString(key);
    if (!name) return paramErr;
    return registry_.erase(*name) ? OSErr(noErr) : OSErr(kIoErr);
}

// A key with nothing stored is not an error: the answer is no descriptor.
OSErr RegistrySuite::get(const char* key, PIActionDescriptor* descriptor) {
    std::optional<std::string> name = KeyString(key);
    if (!name || !descriptor) return paramErr;
    std::optional<Descriptor> stored = registry_.get(*name);
    *descriptor = stored ? descriptors_.make(std::move(*stored)) : nullptr;
    return noErr;
}
