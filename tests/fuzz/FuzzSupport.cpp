#include "FuzzSupport.h"

#include <cstdio>
#include <cstdlib>

#include "Destination.h"
#include "MessageTable.h"
#include "StartupState.h"

void Require(bool condition, const char* promise) {
    if (condition) return;
    std::fprintf(stderr, "broken: %s\n", promise);
    std::abort();
}

void ResetStartupState() {
    messageTable = {};
    currentLanguage = 1;
    languageBlockCount = 0;
}

void UseSettings(SfxSettings& settings) {
    static const SystemValues system{
        "C:\\TEMP\\", "C:\\WINDOWS", "C:\\WINDOWS\\system32",
        [](RegistryRoot, const std::string& key, const std::string&) -> std::optional<std::string> {
            return "C:\\" + key;
        },
        [](int range) { return range - 1; }};
    ApplyDefaultTitle(settings);
    destination = ExpandDestination(
        FixDestination(settings.destinationMode, ReadSetting(settings.destination), "C:\\Users\\me\\Downloads",
                       system.tempPath),
        system);
}
