#include "ProcessArguments.h"

#include <stdlib.h>

// The C runtime splits the ANSI command line by the usual quoting rules.
std::vector<std::string> ProcessArguments() {
    std::vector<std::string> arguments;
    for (int i = 1; i < __argc && __argv; ++i)
        if (__argv[i]) arguments.emplace_back(__argv[i]);
    return arguments;
}
