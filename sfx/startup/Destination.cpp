#include "Destination.h"

void SetDestination(SfxSettings& settings, const std::string& destination) {
    WriteSetting(settings.destination, destination.size() <= kMaxDestinationLength ? destination : std::string());
}

void FixDestination(SfxSettings& settings, const std::string& currentDirectory, const std::string& tempPath) {
    const std::string destination = ReadSetting(settings.destination);
    switch (settings.destinationMode) {
        case 0:
            if (destination.empty() || destination == "Current directory") SetDestination(settings, currentDirectory);
            break;
        case 1: SetDestination(settings, tempPath); break;
        case 2: SetDestination(settings, "%PROG%"); break;
        default: break;
    }
}

void ExpandDestination(SfxSettings& settings, const SystemValues& system) {
    SetDestination(settings, ExpandPlaceholders(ReadSetting(settings.destination), system).value_or(std::string()));
}
