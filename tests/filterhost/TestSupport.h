// Shared helpers of the filter host tests.
#pragma once

#include <filesystem>
#include <functional>

#include "Host.h"

// A w x h image whose samples differ by position and channel.
Image PatternImage(int32_t w, int32_t h, int32_t channels);
uint8_t PatternValue(int32_t x, int32_t y, int32_t c);

// Inverts one byte of a file.
void FlipByte(const std::filesystem::path& file, size_t offset);

// A fresh folder, removed with everything in it at the end of the test.
class TempDir {
public:
    TempDir();
    ~TempDir();
    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(const char* name) const { return path_ / name; }

private:
    std::filesystem::path path_;
};

// A plug-in whose behaviour is a lambda: Entry() is a PluginMainProc that
// forwards to the script of the ScriptedPlugin alive at the time.
class ScriptedPlugin {
public:
    using Script = std::function<void(int16 selector, FilterRecord& record, intptr_t* data, int16* result)>;
    explicit ScriptedPlugin(Script script);
    ~ScriptedPlugin();
    static PluginMainProc Entry();
    void operator()(int16 selector, FilterRecord& record, intptr_t* data, int16* result) {
        script_(selector, record, data, result);
    }

private:
    Script script_;
};

// Runs body inside a selector call of host, so the record's procedures are live.
void InsidePluginCall(Host& host, const std::function<void(FilterRecord&)>& body);
