#include "ActionDescriptors.h"

#include <algorithm>

#include "Active.h"
#include "Unsupported.h"

namespace {

OSErr PI_CDECL MakeImpl(PIActionDescriptor* descriptor) {
    return OnActive<ActionDescriptors>(OSErr(memFullErr), [&](ActionDescriptors& a) {
        if (!descriptor) return OSErr(paramErr);
        *descriptor = a.make();
        return OSErr(noErr);
    });
}

OSErr PI_CDECL FreeImpl(PIActionDescriptor descriptor) {
    return OnActive<ActionDescriptors>(OSErr(paramErr), [&](ActionDescriptors& a) {
        return a.free(descriptor) ? OSErr(noErr) : OSErr(paramErr);
    });
}

OSErr PI_CDECL PutIntegerImpl(PIActionDescriptor descriptor, DescriptorKeyID key, int32 value) {
    return OnActive<ActionDescriptors>(OSErr(paramErr), [&](ActionDescriptors& a) {
        Descriptor* d = a.find(descriptor);
        if (!d) return OSErr(paramErr);
        d->putInteger(key, value);
        return OSErr(noErr);
    });
}

OSErr PI_CDECL GetIntegerImpl(PIActionDescriptor descriptor, DescriptorKeyID key, int32* value) {
    return OnActive<ActionDescriptors>(OSErr(paramErr), [&](ActionDescriptors& a) {
        Descriptor* d = a.find(descriptor);
        if (!d || !value) return OSErr(paramErr);
        std::optional<int32_t> v = d->integer(key);
        if (!v) return OSErr(errMissingParameter);
        *value = *v;
        return OSErr(noErr);
    });
}

template <size_t N>
void FillUnsupported(GenericProc (&slots)[N]) {
    std::fill(std::begin(slots), std::end(slots), UnsupportedProc());
}

}  // namespace

ActionDescriptors::ActionDescriptors() : procs_{} {
    procs_.Make = MakeImpl;
    procs_.Free = FreeImpl;
    procs_.PutInteger = PutIntegerImpl;
    procs_.GetInteger = GetIntegerImpl;
    FillUnsupported(procs_.slots2to8);
    FillUnsupported(procs_.slots10to21);
    FillUnsupported(procs_.slots23to45);
}

PIActionDescriptor ActionDescriptors::make(Descriptor content) {
    auto d = std::make_unique<Descriptor>(std::move(content));
    auto token = reinterpret_cast<PIActionDescriptor>(d.get());
    live_.emplace(token, std::move(d));
    return token;
}

bool ActionDescriptors::free(PIActionDescriptor token) { return live_.erase(token) != 0; }

Descriptor* ActionDescriptors::find(PIActionDescriptor token) {
    auto it = live_.find(token);
    return it == live_.end() ? nullptr : it->second.get();
}
