// The descriptor registry: descriptors stored under a string key. Persistent
// entries are written to the registry file at once, so they outlive the host;
// the others live in memory only.
#pragma once

#include <filesystem>
#include <map>
#include <optional>
#include <string>

#include "Descriptor.h"

class Registry {
public:
    // Loads the file when it exists. An empty path keeps everything in memory.
    // Throws HostError for a file that cannot be read or is damaged.
    explicit Registry(std::filesystem::path file = {});

    // Both return false when saving the file failed; memory is updated anyway
    // and saveError() says why.
    bool put(const std::string& key, const Descriptor& descriptor, bool persistent);
    bool erase(const std::string& key);

    std::optional<Descriptor> get(const std::string& key) const;
    bool isPersistent(const std::string& key) const;
    const std::string& saveError() const { return saveError_; }

private:
    struct Entry {
        Descriptor descriptor;
        bool persistent;
    };
    bool save();

    std::filesystem::path file_;
    std::map<std::string, Entry> entries_;
    std::string saveError_;
};
