// sfxbuild's command line, the input's zero bytes separating the arguments,
// and the settings block made of it: what it accepts must reach the block as
// it was given.
#include <string>

#include "BuildError.h"
#include "BuildOptions.h"
#include "FuzzSupport.h"
#include "SettingsFromOptions.h"

namespace {

std::vector<std::string> Arguments(const uint8_t* data, size_t size) {
    std::vector<std::string> arguments(1);
    for (size_t i = 0; i < size; ++i) {
        if (data[i] == 0) arguments.emplace_back();
        else arguments.back() += char(data[i]);
    }
    return arguments;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    try {
        const BuildOptions options = ParseBuildOptions(Arguments(data, size), "/tools");
        if (options.help) return 0;
        const SfxSettings settings = SettingsFromOptions(options, "data.7z");
        Require(HasSettingsSignature(settings), "the block carries its signature");
        Require(ReadSetting(settings.title) == options.title && ReadSetting(settings.destination) == options.destination &&
                    ReadSetting(settings.runCommand) == options.runCommand &&
                    ReadSetting(settings.archiveLabel) == options.label.value_or("data.7z") &&
                    settings.destinationMode == options.destinationMode &&
                    settings.overwriteMode == options.overwriteMode,
                "the block holds the options given");
    } catch (const BuildError&) {
    }
    return 0;
}
