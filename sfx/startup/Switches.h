// The command-line switches: "-" or "/" and one case-sensitive name, applied
// to the settings in the order given.
#pragma once

#include <string>
#include <vector>

#include "SfxSettings.h"

// The choices of a command line beyond the settings block's fields.
struct CommandLineChoices {
    std::string destination;   // "-d" replaces it; refused (empty) when too long
    std::string runArguments;  // what follows "-#", joined by blanks and quoted where needed
};

// arguments: the process's arguments 1 to N (the program's name left out).
void ParseSwitches(const std::vector<std::string>& arguments, SfxSettings& settings, CommandLineChoices& choices);

// Whether "-u" (or "/u") stands before any "-#": unattended, nobody is there
// to answer a box. Known before the settings are read, since the start-up's
// own failures would otherwise wait for a person.
bool AsksForUnattended(const std::vector<std::string>& arguments);
