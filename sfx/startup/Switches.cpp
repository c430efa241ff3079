#include "Switches.h"

#include "Destination.h"

namespace {

// One argument as a program's command line gives it back: quoted when it
// holds blanks or quotes or is empty, with the backslashes before a quote
// doubled.
std::string Quoted(const std::string& argument) {
    if (!argument.empty() && argument.find_first_of(" \t\"") == std::string::npos) return argument;
    std::string quoted = "\"";
    size_t backslashes = 0;
    for (char c : argument) {
        if (c == '\\') {
            ++backslashes;
            continue;
        }
        quoted.append(c == '"' ? 2 * backslashes + 1 : backslashes, '\\');
        backslashes = 0;
        quoted += c;
    }
    return quoted.append(2 * backslashes, '\\') + "\"";
}

// The switch's name, or nothing for an argument that is no switch.
std::string SwitchName(const std::string& argument) {
    if (argument.empty() || (argument[0] != '-' && argument[0] != '/')) return std::string();
    return argument.substr(1);
}

}  // namespace

bool AsksForUnattended(const std::vector<std::string>& arguments) {
    for (const std::string& argument : arguments) {
        const std::string name = SwitchName(argument);
        if (name == "#") return false;
        if (name == "u") return true;
    }
    return false;
}

void ParseSwitches(const std::vector<std::string>& arguments, SfxSettings& settings, CommandLineChoices& choices) {
    const size_t n = arguments.size();
    for (size_t i = 0; i < n; ++i) {
        const std::string name = SwitchName(arguments[i]);
        if (name == "a") {
            settings.autoExtract = 1;
        } else if (name == "x") {
            WriteSetting(settings.runCommand, "");
        } else if (name == "s" || name == "u") {  // "-u" is "-s" with nobody to answer
            settings.autoExtract = 1;
            settings.overwriteMode = kOverwriteAll;
        } else if (name == "o") {
            settings.overwriteMode = kOverwriteAll;
        } else if (name == "n") {
            settings.overwriteMode = kSkipExisting;
        } else if (name == "q") {
            settings.overwriteMode = kAskEach;
        } else if (name == "d") {
            // The next argument is not skipped: it is still tried as a switch.
            if (i + 1 < n) choices.destination = HeldDestination(arguments[i + 1]);
        } else if (name == "#") {
            for (size_t j = i + 1; j < n; ++j)
                choices.runArguments += (j > i + 1 ? " " : "") + Quoted(arguments[j]);
            return;
        }
    }
}
