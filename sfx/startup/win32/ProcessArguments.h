// The process's arguments 1 to N in UTF-8, for the switches.
#pragma once

#include <string>
#include <vector>

std::vector<std::string> ProcessArguments();
