// The process's arguments 1 to N as ANSI strings, for the switches.
#pragma once

#include <string>
#include <vector>

std::vector<std::string> ProcessArguments();
