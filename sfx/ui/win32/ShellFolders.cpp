#include "ShellFolders.h"

#include <cctype>
#include <cstring>

#include "InfInstall.h"
#include "SystemPath.h"

namespace {

bool IsDriveRoot(const std::string& path) { return path.size() == 3 && path[1] == ':' && path[2] == '\\'; }

bool DriveExists(char letter) {
    const int drive = std::toupper(static_cast<unsigned char>(letter)) - 'A';
    return drive >= 0 && drive < 26 && (GetLogicalDrives() >> drive & 1) != 0;
}

bool FolderFound(std::string name) {
    if (!name.empty() && name.back() == '\\') name.pop_back();
    // A wildcard would match some other entry.
    if (name.empty() || name.find_first_of("*?") != std::string::npos) return false;
    WIN32_FIND_DATAA entry{};
    const HANDLE search = FindFirstFileA(name.c_str(), &entry);
    if (search == INVALID_HANDLE_VALUE) return false;
    FindClose(search);
    return (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

}  // namespace

bool IsDirectory(const std::string& path) {
    const UINT errorMode = SetErrorMode(SEM_FAILCRITICALERRORS);
    const bool folder = IsDriveRoot(path) ? DriveExists(path[0]) : FolderFound(path);
    SetErrorMode(errorMode);
    return folder;
}

std::string PathOfItem(LPCITEMIDLIST item) {
    char path[MAX_PATH] = {};
    if (!item || !SHGetPathFromIDListA(item, path)) return std::string();
    return std::string(path, strnlen(path, MAX_PATH));
}

LPITEMIDLIST ParseFolderPath(const std::string& path) {
    std::wstring wide = WideFromAnsi(path);
    // Cut short, it would name another folder.
    if (wide.size() >= MAX_PATH) return nullptr;
    IShellFolder* desktop = nullptr;
    if (FAILED(SHGetDesktopFolder(&desktop)) || !desktop) return nullptr;
    LPITEMIDLIST item = nullptr;
    if (FAILED(desktop->ParseDisplayName(nullptr, nullptr, wide.data(), nullptr, &item, nullptr))) item = nullptr;
    desktop->Release();
    return item;
}

bool IsNtFamily() {
    OSVERSIONINFOA version{};
    version.dwOSVersionInfoSize = sizeof version;
    return GetVersionExA(&version) && version.dwPlatformId == kPlatformWindowsNt;
}
