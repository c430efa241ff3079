#include "SystemFolders.h"

#include <windows.h>

#include <vector>

#include "PayloadError.h"
#include "Random.h"
#include "SystemRandom.h"
#include "StartupState.h"

namespace {

constexpr DWORD kFolderBuffer = 256;   // 255 characters and the zero
constexpr DWORD kLongestPath = 32768;  // for the current directory and a registry value

// A folder from one of the system's GetXxxDirectory calls; empty on failure
// or when it does not fit.
template <typename Call>
std::string Folder(Call call, DWORD bufferSize = kFolderBuffer) {
    std::vector<char> buffer(bufferSize);
    const UINT length = call(buffer.data(), bufferSize);
    if (length == 0 || length >= bufferSize) return {};
    return std::string(buffer.data(), length);
}

std::optional<std::string> ReadRegistryString(RegistryRoot root, const std::string& key, const std::string& value) {
    HKEY opened;
    const HKEY top = root == RegistryRoot::kLocalMachine ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER;
    if (RegOpenKeyExA(top, key.c_str(), 0, KEY_READ, &opened) != ERROR_SUCCESS) return std::nullopt;
    std::optional<std::string> result;
    DWORD type = 0;
    DWORD size = 0;
    if (RegQueryValueExA(opened, value.c_str(), nullptr, &type, nullptr, &size) == ERROR_SUCCESS && type == REG_SZ &&
        size <= kLongestPath) {
        std::vector<char> data(size + 1, 0);
        if (RegQueryValueExA(opened, value.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &size) ==
                ERROR_SUCCESS &&
            type == REG_SZ && size < data.size())
            result = std::string(data.data());  // up to the first zero, stored or not
    }
    RegCloseKey(opened);
    return result;
}

}  // namespace

std::string SystemTempPath() {
    const std::string path = Folder([](char* b, DWORD n) { return UINT(GetTempPathA(n, b)); });
    if (path.empty()) throw PayloadError("no temp path");
    return path;
}

std::string CurrentDirectory() {
    return Folder([](char* b, DWORD n) { return UINT(GetCurrentDirectoryA(n, b)); }, kLongestPath);
}

SystemValues RealSystemValues() {
    SystemValues values;
    values.tempPath = systemTempPath;
    values.windowsDirectory = Folder([](char* b, DWORD n) { return GetWindowsDirectoryA(b, n); });
    values.systemDirectory = Folder([](char* b, DWORD n) { return GetSystemDirectoryA(b, n); });
    values.readRegistryString = ReadRegistryString;
    values.random = [](int range) { return RandomBelow(SystemRandom(), range); };
    return values;
}

std::wstring AnsiToWide(const std::string& text) {
    if (text.empty()) return {};
    const int length = MultiByteToWideChar(CP_ACP, 0, text.data(), int(text.size()), nullptr, 0);
    if (length <= 0) return {};
    std::wstring wide(size_t(length), L'\0');
    if (MultiByteToWideChar(CP_ACP, 0, text.data(), int(text.size()), &wide[0], length) != length) return {};
    return wide;
}
