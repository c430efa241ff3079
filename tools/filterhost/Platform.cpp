#include "Platform.h"

#include <cstdio>
#include <cstdlib>
#include <system_error>

#ifdef _WIN32
#include <io.h>
#include <windows.h>
#include <shellapi.h>
#else
#include <unistd.h>
#endif

namespace fs = std::filesystem;

namespace platform {

#ifdef _WIN32

namespace {

std::wstring Widen(const std::string& s) {
    if (s.empty()) return {};
    int n = MultiByteToWideChar(CP_UTF8, 0, s.data(), int(s.size()), nullptr, 0);
    std::wstring w(size_t(n > 0 ? n : 0), L'\0');
    if (n > 0) MultiByteToWideChar(CP_UTF8, 0, s.data(), int(s.size()), w.data(), n);
    return w;
}

std::string Narrow(const std::wstring& w) {
    if (w.empty()) return {};
    int n = WideCharToMultiByte(CP_UTF8, 0, w.data(), int(w.size()), nullptr, 0, nullptr, nullptr);
    std::string s(size_t(n > 0 ? n : 0), '\0');
    if (n > 0) WideCharToMultiByte(CP_UTF8, 0, w.data(), int(w.size()), s.data(), n, nullptr, nullptr);
    return s;
}

}  // namespace

fs::path PathFromUtf8(const std::string& utf8) { return fs::path(Widen(utf8)); }
std::string PathToUtf8(const fs::path& path) { return Narrow(path.wstring()); }

fs::path ExecutableDirectory() {
    std::wstring buffer(32768, L'\0');
    DWORD n = GetModuleFileNameW(nullptr, buffer.data(), DWORD(buffer.size()));
    buffer.resize(n);
    return fs::path(buffer).parent_path();
}

bool StderrIsTerminal() { return _isatty(_fileno(stderr)) != 0; }

bool MoveReplacing(const fs::path& from, const fs::path& to, std::string& why) {
    if (MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) return true;
    why = std::system_category().message(int(GetLastError()));
    return false;
}

std::vector<std::string> Arguments(int, char**) {
    int count = 0;
    LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> args;
    for (int i = 1; wide && i < count; ++i) args.push_back(Narrow(wide[i]));
    LocalFree(wide);
    return args;
}

#else

fs::path PathFromUtf8(const std::string& utf8) { return fs::path(utf8); }
std::string PathToUtf8(const fs::path& path) { return path.string(); }

fs::path ExecutableDirectory() {
    std::error_code ec;
    fs::path self = fs::read_symlink("/proc/self/exe", ec);
    return ec ? fs::current_path() : self.parent_path();
}

bool StderrIsTerminal() { return isatty(fileno(stderr)) != 0; }

bool MoveReplacing(const fs::path& from, const fs::path& to, std::string& why) {
    std::error_code ec;
    fs::rename(from, to, ec);
    if (ec) why = ec.message();
    return !ec;
}

std::vector<std::string> Arguments(int argc, char** argv) { return {argv + 1, argv + argc}; }

#endif

std::optional<fs::path> HomeDirectory() {
    for (const char* name : {"HOME", "USERPROFILE"}) {
        const char* value = std::getenv(name);
        if (value && *value) return PathFromUtf8(value);
    }
    return std::nullopt;
}

}  // namespace platform
