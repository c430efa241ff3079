#include "PluginState.h"
#include "Scripting.h"

namespace {

// The two suites the registry round trip needs, acquired together and released
// in the order registry, then descriptor.
class RegistrySuites {
public:
    RegistrySuites() {
        error = Acquire(kPSDescriptorRegistrySuite, kPSDescriptorRegistrySuiteVersion, registry);
        if (error == kSPNoError) error = Acquire(kPSActionDescriptorSuite, kPSActionDescriptorSuiteVersion2, descriptor);
    }
    ~RegistrySuites() {
        if (registry) gBasicSuite->ReleaseSuite(kPSDescriptorRegistrySuite, kPSDescriptorRegistrySuiteVersion);
        if (descriptor) gBasicSuite->ReleaseSuite(kPSActionDescriptorSuite, kPSActionDescriptorSuiteVersion2);
    }
    RegistrySuites(const RegistrySuites&) = delete;
    RegistrySuites& operator=(const RegistrySuites&) = delete;

    SPErr error = kSPNoError;
    const PSDescriptorRegistryProcs* registry = nullptr;
    const PSActionDescriptorProcs* descriptor = nullptr;

private:
    template <typename Suite>
    static SPErr Acquire(const char* name, int32 version, const Suite*& suite) {
        const void* table = nullptr;
        SPErr err = gBasicSuite->AcquireSuite(name, version, &table);
        if (err == kSPNoError && !table) err = kSPSuiteNotFoundError;
        if (err == kSPNoError) suite = static_cast<const Suite*>(table);
        return err;
    }
};

}  // namespace

OSErr ReadRegistryParameters() {
    if (!gBasicSuite) return errPlugInHostInsufficient;
    RegistrySuites suites;
    SPErr err = suites.error;
    if (err != kSPNoError) return OSErr(err);

    PIActionDescriptor stored = nullptr;
    err = suites.registry->Get(kPluginUniqueString, &stored);
    if (err == noErr && stored) {
        int32 width = 0;
        err = suites.descriptor->GetInteger(stored, keyWireAreaWidth, &width);
        if (err == noErr) gParams->wireAreaWidth = width;
    }
    if (stored) suites.descriptor->Free(stored);
    return OSErr(err);
}

OSErr WriteRegistryParameters() {
    if (!gBasicSuite) return errPlugInHostInsufficient;
    RegistrySuites suites;
    SPErr err = suites.error;
    if (err != kSPNoError) return OSErr(err);

    PIActionDescriptor descriptor = nullptr;
    err = suites.descriptor->Make(&descriptor);
    if (err != noErr || !descriptor) return OSErr(err);
    err = suites.descriptor->PutInteger(descriptor, keyWireAreaWidth, gParams->wireAreaWidth);
    // Persistent, so that the width outlives the running host.
    if (err == noErr) err = suites.registry->Register(kPluginUniqueString, descriptor, true);
    suites.descriptor->Free(descriptor);
    return OSErr(err);
}
