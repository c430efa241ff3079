#include "Destination.h"

void FixDestination(SfxSettings& settings, const std::string& currentDirectory, const std::string& tempPath) {
    const std::string destination = ReadSetting(settings.destination);
    switch (settings.destinationMode) {
        case 0:
            if (destination.empty() || destination == "Current directory")
                WriteSetting(settings.destination, currentDirectory);
            break;
        case 1: WriteSetting(settings.destination, tempPath); break;
        case 2: WriteSetting(settings.destination, "%PROG%"); break;
        default: break;
    }
}

void ExpandDestination(SfxSettings& settings, const SystemValues& system) {
    WriteSetting(settings.destination, ExpandPlaceholders(ReadSetting(settings.destination), system));
}
