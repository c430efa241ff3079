#include "SystemFolders.h"

#include <windows.h>

#include <vector>

#include "PayloadError.h"
#include "Random.h"
#include "StartupState.h"
#include "SystemPath.h"
#include "SystemRandom.h"

namespace {

constexpr DWORD kFolderBuffer = 256;   // 255 characters and the zero
constexpr DWORD kLongestPath = 32768;  // for the current directory and a registry value

// A folder from one of the system's GetXxxDirectory calls, in UTF-8; empty
// on failure or when it does not fit.
template <typename Call>
std::string Folder(Call call, DWORD bufferSize = kFolderBuffer) {
    std::vector<wchar_t> buffer(bufferSize);
    const UINT length = call(buffer.data(), bufferSize);
    if (length == 0 || length >= bufferSize) return {};
    return Utf8FromWide(std::wstring(buffer.data(), length));
}

std::optional<std::string> ReadRegistryString(RegistryRoot root, const std::string& key, const std::string& value) {
    HKEY opened;
    const HKEY top = root == RegistryRoot::kLocalMachine ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER;
    if (RegOpenKeyExW(top, WideFromUtf8(key).c_str(), 0, KEY_READ, &opened) != ERROR_SUCCESS) return std::nullopt;
    const std::wstring name = WideFromUtf8(value);
    std::optional<std::string> result;
    DWORD type = 0;
    DWORD size = 0;
    if (RegQueryValueExW(opened, name.c_str(), nullptr, &type, nullptr, &size) == ERROR_SUCCESS && type == REG_SZ &&
        size <= kLongestPath * sizeof(wchar_t)) {
        std::vector<wchar_t> data(size / sizeof(wchar_t) + 1, 0);
        if (RegQueryValueExW(opened, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &size) ==
                ERROR_SUCCESS &&
            type == REG_SZ && size / sizeof(wchar_t) < data.size())
            result = Utf8FromWide(data.data());  // up to the first zero, stored or not
    }
    RegCloseKey(opened);
    return result;
}

}  // namespace

std::string SystemTempPath() {
    const std::string path = Folder([](wchar_t* b, DWORD n) { return UINT(GetTempPathW(n, b)); });
    if (path.empty()) throw PayloadError("no temp path");
    return path;
}

std::string CurrentDirectory() {
    return Folder([](wchar_t* b, DWORD n) { return UINT(GetCurrentDirectoryW(n, b)); }, kLongestPath);
}

SystemValues RealSystemValues() {
    SystemValues values;
    values.tempPath = systemTempPath;
    values.windowsDirectory = Folder([](wchar_t* b, DWORD n) { return GetWindowsDirectoryW(b, n); });
    values.systemDirectory = Folder([](wchar_t* b, DWORD n) { return GetSystemDirectoryW(b, n); });
    values.readRegistryString = ReadRegistryString;
    values.random = [](int range) { return RandomBelow(SystemRandom(), range); };
    return values;
}
