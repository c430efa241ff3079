#include "TestSupport.h"

#include <unistd.h>

#include <atomic>

#include "FileIo.h"

namespace fs = std::filesystem;

namespace {

ScriptedPlugin* gScripted = nullptr;

void PI_CDECL ScriptedMain(int16 selector, void* record, intptr_t* data, int16* result) {
    (*gScripted)(selector, *static_cast<FilterRecord*>(record), data, result);
}

}  // namespace

uint8_t PatternValue(int32_t x, int32_t y, int32_t c) { return uint8_t(x * 7 + y * 13 + c * 61); }

Image PatternImage(int32_t w, int32_t h, int32_t channels) {
    Image image{w, h, channels, Bytes(size_t(w * h * channels))};
    for (int32_t y = 0; y < h; ++y)
        for (int32_t x = 0; x < w; ++x)
            for (int32_t c = 0; c < channels; ++c) image.at(x, y, c) = PatternValue(x, y, c);
    return image;
}

void FlipByte(const fs::path& file, size_t offset) {
    Bytes bytes = ReadFile(file, size_t(1) << 30);
    bytes.at(offset) ^= 0xFF;
    WriteFileAtomically(file, bytes);
}

TempDir::TempDir() {
    static std::atomic<int> counter{0};
    path_ = fs::temp_directory_path() / ("filterhost-test-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
    fs::create_directories(path_);
}

TempDir::~TempDir() {
    std::error_code ec;
    fs::remove_all(path_, ec);
}

ScriptedPlugin::ScriptedPlugin(Script script) : script_(std::move(script)) { gScripted = this; }
ScriptedPlugin::~ScriptedPlugin() { gScripted = nullptr; }
PluginMainProc ScriptedPlugin::Entry() { return ScriptedMain; }

void InsidePluginCall(Host& host, const std::function<void(FilterRecord&)>& body) {
    ScriptedPlugin plugin([&](int16, FilterRecord& record, intptr_t*, int16*) { body(record); });
    host.call(ScriptedPlugin::Entry(), filterSelectorStart);
}
