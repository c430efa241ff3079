#include <iostream>

#include "Cli.h"
#include "Platform.h"

int main(int argc, char** argv) { return RunFilterhost(platform::Arguments(argc, argv), std::cout, std::cerr); }
