#include "SfxSettings.h"

#include <cstring>

bool HasSettingsSignature(const SfxSettings& settings) {
    return std::memcmp(settings.signature, kSettingsSignature, sizeof kSettingsSignature) == 0;
}

void ApplyDefaultTitle(SfxSettings& settings) {
    if (settings.title[0] == 0) WriteSetting(settings.title, kDefaultTitle);
}
