#include "Destination.h"

std::string HeldDestination(const std::string& destination) {
    return destination.size() <= kMaxDestinationLength ? destination : std::string();
}

std::string FixDestination(uint8_t mode, const std::string& stored, const std::string& currentDirectory,
                           const std::string& tempPath) {
    switch (mode) {
        case 0:
            return HeldDestination(stored.empty() || stored == "Current directory" ? currentDirectory : stored);
        case 1: return HeldDestination(tempPath);
        case 2: return "%PROG%";
        default: return HeldDestination(stored);
    }
}

std::string ExpandDestination(const std::string& destination, const SystemValues& system) {
    return HeldDestination(ExpandPlaceholders(destination, system).value_or(std::string()));
}
