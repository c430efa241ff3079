// Loads a filter plug-in and finds its entry point: on Windows through the
// "PIPL" resource 16000 (kind '8BFM', entry name from the code property of this
// architecture), natively as a shared library exporting PluginMain.
#pragma once

#include <filesystem>

#include "HostInterface.h"

class PluginLoader {
public:
    // Throws HostError("cannot load plug-in '<path>': ...").
    explicit PluginLoader(const std::filesystem::path& path);
    ~PluginLoader();
    PluginLoader(const PluginLoader&) = delete;
    PluginLoader& operator=(const PluginLoader&) = delete;

    PluginMainProc entry() const { return entry_; }

    // The file name of the plug-in built for this system.
    static const char* DefaultFileName();

private:
    void* module_ = nullptr;
    PluginMainProc entry_ = nullptr;
};
