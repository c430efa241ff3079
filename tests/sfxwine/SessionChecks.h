// What the session tests share: counted checks, the archive manifest, and
// questions asked of the extracted files.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

// A failed check prints the scenario, the condition and the line, and the
// run goes on with the next check.
void SetScenario(const std::string& name);
bool Check(bool condition, const char* text, int line);
#define CHECK(condition) Check((condition), #condition, __LINE__)
int PassedChecks();
int FailedChecks();

std::wstring Wide(const std::string& utf8);
std::string Utf8(const std::wstring& text);

struct ManifestItem {
    std::string archive;
    bool folder = false;
    uint64_t size = 0;
    std::string sha256;
    int64_t mtime = 0;  // seconds since 1970 UTC
    bool readOnly = false;
    bool sound = true;
    std::wstring path;  // "\" between its parts
};

std::vector<ManifestItem> ReadManifest(const std::wstring& file);
std::vector<ManifestItem> ItemsOf(const std::vector<ManifestItem>& manifest, const std::string& archive);

std::string Sha256Of(const std::wstring& file);  // empty when unreadable
std::string ReadText(const std::wstring& file);
bool WriteText(const std::wstring& file, const std::string& text);
FILETIME FileTimeOfUnix(int64_t seconds);
// Last-write time and attributes; false when the file is missing.
bool StatFile(const std::wstring& file, FILETIME& written, DWORD& attributes, uint64_t& size);
// The names in a folder, "." and ".." left out.
std::vector<std::wstring> FolderNames(const std::wstring& folder);
// Removes a folder with everything in it, read-only files included.
void RemoveTree(const std::wstring& folder);

// Every item of the manifest is where and as it should be below dest.
void CheckExtracted(const std::vector<ManifestItem>& items, const std::wstring& dest);
