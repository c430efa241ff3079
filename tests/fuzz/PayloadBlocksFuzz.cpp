// The payload from the module's end on: language blocks until none follows,
// then the settings block, and the steps that use the settings.
#include "FuzzSupport.h"
#include "PayloadError.h"
#include "SettingsBlock.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::vector<uint8_t> file = Bytes(data, size);
    MemorySource exe(file);
    ResetStartupState();
    SfxSettings settings{};
    try {
        ReadLanguagesAndSettings(exe, 0, settings);
    } catch (const PayloadError&) {
        return 0;
    }
    if (HasSettingsSignature(settings)) UseSettings(settings);
    return 0;
}
