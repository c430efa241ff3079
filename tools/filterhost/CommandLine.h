// The command line of filterhost.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "Host.h"

struct CommandLine {
    bool help = false;
    std::optional<std::string> plugin;
    std::optional<WirePoints> points;
    std::vector<WirePoint> laterPoints;  // points 3.. of --points, for a wire that sags
    std::optional<int32_t> width;
    bool replay = false;
    bool dialog = false;  // the plug-in's own dialog marks the wire
    bool about = false;   // only the plug-in's about box; no IN or OUT
    std::optional<std::string> session;
    std::optional<std::string> registry;
    std::string input;
    std::string output;
};

// Throws HostError with a one-line reason for a bad command line.
CommandLine ParseCommandLine(const std::vector<std::string>& args);

const char* UsageText();
