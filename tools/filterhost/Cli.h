// The filterhost program: parses the command line, runs the plug-in on the
// image and writes the result. Returns the exit code: 0 success, 1 failure,
// 2 bad command line. Messages are single lines on err.
#pragma once

#include <ostream>
#include <string>
#include <vector>

int RunFilterhost(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
