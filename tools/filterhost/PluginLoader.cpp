#include "PluginLoader.h"

#include <string>
#include <system_error>

#include "HostConstants.h"
#include "HostError.h"
#include "Pipl.h"
#include "Platform.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <dlfcn.h>
#endif

namespace fs = std::filesystem;

namespace {

[[noreturn]] void Fail(const fs::path& path, const std::string& why) {
    throw HostError("cannot load plug-in '" + platform::PathToUtf8(path) + "': " + why);
}

#ifdef _WIN32

constexpr int kPiplResourceId = 16000;

std::string WindowsError() {
    DWORD code = GetLastError();
    return std::system_category().message(int(code)) + " (Windows error " + std::to_string(code) + ")";
}

std::string EntryNameFromPipl(HMODULE module, const fs::path& path) {
    HRSRC resource = FindResourceW(module, MAKEINTRESOURCEW(kPiplResourceId), L"PIPL");
    HGLOBAL loaded = resource ? LoadResource(module, resource) : nullptr;
    const void* data = loaded ? LockResource(loaded) : nullptr;
    if (!data) Fail(path, "it has no PIPL resource 16000");
    Pipl pipl = Pipl::Parse(static_cast<const uint8_t*>(data), SizeofResource(module, resource));
    if (pipl.kind() != kFilterKind) Fail(path, "it is not a filter (kind is not '8BFM')");
    std::optional<std::string> entry = pipl.entryPoint(NativeCodeProperty());
    if (!entry) Fail(path, "its property list names no entry point for this architecture");
    return *entry;
}

#endif

}  // namespace

#ifdef _WIN32

PluginLoader::PluginLoader(const fs::path& path) {
    // An absolute name, so that a bare file name is not looked up on the DLL search path.
    HMODULE module = LoadLibraryW(fs::absolute(path).c_str());
    if (!module) Fail(path, WindowsError());
    module_ = module;
    try {
        std::string name = EntryNameFromPipl(module, path);
        FARPROC proc = GetProcAddress(module, name.c_str());
        if (!proc) Fail(path, "entry point '" + name + "' not found");
        entry_ = reinterpret_cast<PluginMainProc>(reinterpret_cast<void (*)()>(proc));
    } catch (...) {
        FreeLibrary(module);
        throw;
    }
}

PluginLoader::~PluginLoader() { FreeLibrary(static_cast<HMODULE>(module_)); }

const char* PluginLoader::DefaultFileName() {
#ifdef _WIN64
    return "Linefix64.8bf";
#else
    return "Linefix.8bf";
#endif
}

#else

PluginLoader::PluginLoader(const fs::path& path) {
    // An absolute name, so that a bare file name is not looked up on the library path.
    module_ = dlopen(fs::absolute(path).c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!module_) Fail(path, dlerror());
    void* symbol = dlsym(module_, "PluginMain");
    if (!symbol) {
        dlclose(module_);
        Fail(path, "it exports no PluginMain");
    }
    entry_ = reinterpret_cast<PluginMainProc>(symbol);
}

PluginLoader::~PluginLoader() { dlclose(module_); }

const char* PluginLoader::DefaultFileName() { return "Linefix.so"; }

#endif
