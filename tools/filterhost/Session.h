// The session file: the plug-in's parameters and data blocks and the
// descriptor it recorded, kept after a successful run so that the filter can
// be repeated later as a recorded action.
#pragma once

#include <filesystem>
#include <optional>

#include "Descriptor.h"

struct Session {
    Bytes parameters;
    Bytes data;
    std::optional<Descriptor> descriptor;
    bool operator==(const Session& o) const {
        return parameters == o.parameters && data == o.data && descriptor == o.descriptor;
    }
};

// Both throw HostError; loading refuses a damaged or truncated file.
void SaveSession(const std::filesystem::path& path, const Session& session);
Session LoadSession(const std::filesystem::path& path);
