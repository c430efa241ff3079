// The command-line switches: "-" or "/" and one case-sensitive name, applied
// to the settings in the order given.
#pragma once

#include <string>
#include <vector>

#include "SfxSettings.h"

// arguments: the process's arguments 1 to N (the program's name left out).
// runArguments receives what follows "-#", joined by blanks and quoted where
// needed: the parameters of the file run after extraction.
void ParseSwitches(const std::vector<std::string>& arguments, SfxSettings& settings, std::string& runArguments);
