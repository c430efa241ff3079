// Stands in for a program that a self-extractor starts after extracting:
// appends its working folder and its command line, one UTF-8 line, to the
// file that RECORD_TO names.
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

std::string Utf8(const std::wstring& text) {
    std::string out(size_t(WideCharToMultiByte(CP_UTF8, 0, text.c_str(), int(text.size()), nullptr, 0, nullptr, nullptr)), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), int(text.size()), out.data(), int(out.size()), nullptr, nullptr);
    return out;
}

}  // namespace

int main() {
    wchar_t target[MAX_PATH] = {}, folder[MAX_PATH] = {};
    if (!GetEnvironmentVariableW(L"RECORD_TO", target, MAX_PATH)) return 2;
    if (!GetCurrentDirectoryW(MAX_PATH, folder)) return 2;
    const std::string line = Utf8(std::wstring(folder) + L"|" + GetCommandLineW()) + "\n";
    FILE* out = _wfopen(target, L"ab");
    if (!out) return 2;
    const bool written = std::fwrite(line.data(), 1, line.size(), out) == line.size();
    return std::fclose(out) == 0 && written ? 0 : 2;
}
