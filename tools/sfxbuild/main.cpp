// sfxbuild: makes a self-extracting program out of a 7z archive.
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#endif

#include "BuildError.h"
#include "BuildOptions.h"
#include "SfxBuild.h"

namespace {

// The stub and the module lie beside sfxbuild by default.
std::string ToolFolder(const char* argv0) {
#ifdef _WIN32
    wchar_t path[32768];
    const DWORD length = GetModuleFileNameW(nullptr, path, DWORD(std::size(path)));
    if (length > 0 && length < std::size(path)) return std::filesystem::path(path).parent_path().string();
#else
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    if (!error) return self.parent_path().string();
#endif
    return std::filesystem::path(argv0).parent_path().string();
}

}  // namespace

int main(int argc, char** argv) {
    try {
        const BuildOptions options =
            ParseBuildOptions(std::vector<std::string>(argv + 1, argv + argc), ToolFolder(argv[0]));
        if (options.help) {
            std::fputs(kUsage, stdout);
            return 0;
        }
        const BuildResult result = BuildSfx(options);
        if (result.volumes.size() == 1)
            std::printf("sfxbuild: %s and its volume %s: ship them together, in one folder\n", options.output.c_str(),
                        result.volumes.front().c_str());
        else if (!result.volumes.empty())
            std::printf("sfxbuild: %s and its volumes %s to %s: ship them together, in one folder\n",
                        options.output.c_str(), result.volumes.front().c_str(), result.volumes.back().c_str());
        for (const std::string& stray : result.strayVolumes)
            std::fprintf(stderr, "sfxbuild: %s is left from an earlier build and is not part of this one\n",
                         stray.c_str());
        return 0;
    } catch (const BuildError& e) {
        std::fprintf(stderr, "sfxbuild: %s\n", e.what());
    } catch (const std::exception& e) {
        std::fprintf(stderr, "sfxbuild: %s\n", e.what());
    }
    return 1;
}
