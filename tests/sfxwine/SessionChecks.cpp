#include "SessionChecks.h"

#include <wincrypt.h>

#include <cstdio>
#include <fstream>
#include <sstream>

#include "SystemPath.h"

namespace {
std::string gScenario;
int gPassed = 0, gFailed = 0;
}  // namespace

void SetScenario(const std::string& name) {
    gScenario = name;
    std::printf("-- %s\n", name.c_str());
    std::fflush(stdout);
}

bool Check(bool condition, const char* text, int line) {
    if (condition) {
        ++gPassed;
    } else {
        ++gFailed;
        std::printf("FAILED [%s] line %d: %s\n", gScenario.c_str(), line, text);
        std::fflush(stdout);
    }
    return condition;
}

int PassedChecks() { return gPassed; }
int FailedChecks() { return gFailed; }

std::wstring Wide(const std::string& utf8) {
    if (utf8.empty()) return std::wstring();
    const int length = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), int(utf8.size()), nullptr, 0);
    std::wstring out(size_t(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), int(utf8.size()), out.data(), length);
    return out;
}

std::string Utf8(const std::wstring& text) {
    if (text.empty()) return std::string();
    const int length = WideCharToMultiByte(CP_UTF8, 0, text.data(), int(text.size()), nullptr, 0, nullptr, nullptr);
    std::string out(size_t(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), int(text.size()), out.data(), length, nullptr, nullptr);
    return out;
}

std::vector<ManifestItem> ReadManifest(const std::wstring& file) {
    std::vector<ManifestItem> items;
    std::istringstream lines(ReadText(file));
    std::string line;
    while (std::getline(lines, line)) {
        if (line.empty() || line[0] == '#') continue;
        std::vector<std::string> fields;
        std::istringstream cells(line);
        std::string cell;
        while (std::getline(cells, cell, '\t')) fields.push_back(cell);
        if (fields.size() != 8) continue;
        ManifestItem item;
        item.archive = fields[0];
        item.folder = fields[1] == "dir";
        item.size = std::stoull(fields[2]);
        item.sha256 = fields[3];
        item.mtime = std::stoll(fields[4]);
        item.readOnly = fields[5] == "1";
        item.sound = fields[6] == "ok";
        item.path = Wide(fields[7]);
        for (wchar_t& c : item.path)
            if (c == L'/') c = L'\\';
        items.push_back(item);
    }
    return items;
}

std::vector<ManifestItem> ItemsOf(const std::vector<ManifestItem>& manifest, const std::string& archive) {
    std::vector<ManifestItem> items;
    for (const ManifestItem& item : manifest)
        if (item.archive == archive) items.push_back(item);
    return items;
}

std::string Sha256Of(const std::wstring& file) {
    const std::string data = ReadText(file);
    HCRYPTPROV provider = 0;
    HCRYPTHASH hash = 0;
    std::string hex;
    if (!CryptAcquireContextW(&provider, nullptr, nullptr, PROV_RSA_AES, CRYPT_VERIFYCONTEXT)) return hex;
    BYTE digest[32];
    DWORD length = sizeof digest;
    if (CryptCreateHash(provider, CALG_SHA_256, 0, 0, &hash) &&
        CryptHashData(hash, reinterpret_cast<const BYTE*>(data.data()), DWORD(data.size()), 0) &&
        CryptGetHashParam(hash, HP_HASHVAL, digest, &length, 0)) {
        char two[3];
        for (DWORD k = 0; k < length; ++k) {
            std::snprintf(two, sizeof two, "%02x", digest[k]);
            hex += two;
        }
    }
    if (hash) CryptDestroyHash(hash);
    CryptReleaseContext(provider, 0);
    return hex;
}

std::string ReadText(const std::wstring& file) {
    HANDLE h = CreateFileW(SystemPath(file).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE) return std::string();
    std::string data;
    char buffer[65536];
    DWORD read = 0;
    while (ReadFile(h, buffer, sizeof buffer, &read, nullptr) && read > 0) data.append(buffer, read);
    CloseHandle(h);
    return data;
}

bool WriteText(const std::wstring& file, const std::string& text) {
    HANDLE h = CreateFileW(SystemPath(file).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    const bool ok = WriteFile(h, text.data(), DWORD(text.size()), &written, nullptr) && written == text.size();
    CloseHandle(h);
    return ok;
}

FILETIME FileTimeOfUnix(int64_t seconds) {
    const uint64_t ticks = uint64_t(seconds + 11644473600LL) * 10000000ULL;
    return FILETIME{DWORD(ticks), DWORD(ticks >> 32)};
}

bool StatFile(const std::wstring& file, FILETIME& written, DWORD& attributes, uint64_t& size) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExW(SystemPath(file).c_str(), GetFileExInfoStandard, &data)) return false;
    written = data.ftLastWriteTime;
    attributes = data.dwFileAttributes;
    size = (uint64_t(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    return true;
}

std::vector<std::wstring> FolderNames(const std::wstring& folder) {
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW found;
    HANDLE h = FindFirstFileW((SystemPath(folder) + L"\\*").c_str(), &found);
    if (h == INVALID_HANDLE_VALUE) return names;
    do {
        const std::wstring name = found.cFileName;
        if (name != L"." && name != L"..") names.push_back(name);
    } while (FindNextFileW(h, &found));
    FindClose(h);
    return names;
}

void RemoveTree(const std::wstring& folder) {
    for (const std::wstring& name : FolderNames(folder)) {
        const std::wstring path = SystemPath(folder + L"\\" + name);
        const DWORD attributes = GetFileAttributesW(path.c_str());
        if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
            RemoveTree(folder + L"\\" + name);
        } else {
            SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
            DeleteFileW(path.c_str());
        }
    }
    RemoveDirectoryW(SystemPath(folder).c_str());
}

void CheckExtracted(const std::vector<ManifestItem>& items, const std::wstring& dest) {
    CHECK(!items.empty());
    for (const ManifestItem& item : items) {
        const std::wstring path = dest + L"\\" + item.path;
        FILETIME written{};
        DWORD attributes = 0;
        uint64_t size = 0;
        const bool present = StatFile(path, written, attributes, size);
        if (!Check(present, ("present: " + Utf8(item.path)).c_str(), __LINE__)) continue;
        if (item.folder) {
            CHECK((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0);
            continue;
        }
        const FILETIME stored = FileTimeOfUnix(item.mtime);
        Check(size == item.size, ("size: " + Utf8(item.path)).c_str(), __LINE__);
        Check(Sha256Of(path) == item.sha256, ("content: " + Utf8(item.path)).c_str(), __LINE__);
        Check(CompareFileTime(&written, &stored) == 0, ("time: " + Utf8(item.path)).c_str(), __LINE__);
        Check(((attributes & FILE_ATTRIBUTE_READONLY) != 0) == item.readOnly, ("read-only: " + Utf8(item.path)).c_str(),
              __LINE__);
    }
}
