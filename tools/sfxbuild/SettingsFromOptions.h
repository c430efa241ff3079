// The settings block sfxbuild writes for the options given.
#pragma once

#include <string>

#include "BuildOptions.h"
#include "SfxSettings.h"

// archiveName: the archive's file name, the label unless one was given.
// Throws BuildError for a text over its field's capacity: the program would
// otherwise show it cut.
SfxSettings SettingsFromOptions(const BuildOptions& options, const std::string& archiveName);
