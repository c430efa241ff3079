#include "SettingsFromOptions.h"

#include <cstring>

#include "BuildError.h"

namespace {

template <size_t N>
void Store(uint8_t (&field)[N], const std::string& text, const char* option) {
    if (text.size() > SettingCapacity(field))
        throw BuildError(std::string(option) + " is " + std::to_string(text.size()) + " bytes long; at most " +
                         std::to_string(SettingCapacity(field)) + " fit");
    WriteSetting(field, text);
}

}  // namespace

SfxSettings SettingsFromOptions(const BuildOptions& options, const std::string& archiveName) {
    SfxSettings settings;
    std::memset(&settings, 0, sizeof settings);
    std::memcpy(settings.signature, kSettingsSignature, sizeof kSettingsSignature);
    Store(settings.archiveLabel, options.label.value_or(archiveName), "--label");
    settings.destinationMode = uint8_t(options.destinationMode);
    Store(settings.destination, options.destination, "--destination");
    settings.overwriteMode = uint8_t(options.overwriteMode);
    Store(settings.title, options.title, "--title");
    Store(settings.runCommand, options.runCommand, "--run");
    settings.hideOverwriteChoice = options.hideOverwriteChoice;
    settings.testFirst = options.testFirst;
    settings.autoExtract = options.autoExtract;
    settings.showDoneMessage = options.doneMessage;
    settings.hideFileList = options.hideFileList;
    return settings;
}
