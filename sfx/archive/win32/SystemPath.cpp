#include "SystemPath.h"

#include <vector>

#include "LongPath.h"

std::wstring SystemPath(const std::wstring& name) {
    if (name.empty()) return name;
    const DWORD needed = GetFullPathNameW(name.c_str(), 0, nullptr, nullptr);
    if (needed == 0) return name;
    std::vector<wchar_t> full(needed + 1);
    const DWORD length = GetFullPathNameW(name.c_str(), DWORD(full.size()), full.data(), nullptr);
    if (length == 0 || length >= full.size()) return name;
    return ExtendedLengthPath(std::wstring(full.data(), length));
}

namespace {

DWORD AttributesOf(const std::wstring& name) { return GetFileAttributesW(SystemPath(name).c_str()); }

std::wstring WideFrom(UINT codePage, const std::string& text) {
    if (text.empty()) return std::wstring();
    const int length = MultiByteToWideChar(codePage, 0, text.data(), int(text.size()), nullptr, 0);
    if (length <= 0) return std::wstring();
    std::wstring out(size_t(length), L'\0');
    MultiByteToWideChar(codePage, 0, text.data(), int(text.size()), out.data(), length);
    return out;
}

}  // namespace

bool FileExists(const std::wstring& name) {
    const DWORD attributes = AttributesOf(name);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool FolderExists(const std::wstring& name) {
    const DWORD attributes = AttributesOf(name);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

int64_t FileSizeOf(const std::wstring& name) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExW(SystemPath(name).c_str(), GetFileExInfoStandard, &data)) return -1;
    if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) return -1;
    return int64_t((uint64_t(data.nFileSizeHigh) << 32) | data.nFileSizeLow);
}

bool CreateFolderTree(const std::wstring& folder) {
    if (folder.empty()) return false;
    for (const std::wstring& step : FolderChain(SystemPath(folder))) {
        if (CreateDirectoryW(step.c_str(), nullptr)) continue;
        const DWORD error = GetLastError();  // why it failed, for the caller
        const DWORD attributes = GetFileAttributesW(step.c_str());
        if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
            SetLastError(error);
            return false;
        }
    }
    return FolderExists(folder);
}

std::wstring WideFromAnsi(const std::string& text) { return WideFrom(CP_ACP, text); }

std::wstring WideFromUtf8(const std::string& text) { return WideFrom(CP_UTF8, text); }

std::string Utf8FromWide(const std::wstring& text) {
    if (text.empty()) return std::string();
    const int length = WideCharToMultiByte(CP_UTF8, 0, text.data(), int(text.size()), nullptr, 0, nullptr, nullptr);
    if (length <= 0) return std::string();
    std::string out(size_t(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), int(text.size()), out.data(), length, nullptr, nullptr);
    return out;
}
