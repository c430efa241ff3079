#include "SfxWindow.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <map>

namespace {

std::string work;
std::map<int, std::string> messages;

// Text of a code page as UTF-8, the form in which TextOf reads windows.
std::string Utf8From(const std::string& text, UINT codePage) {
    const int wide = MultiByteToWideChar(codePage, 0, text.data(), int(text.size()), nullptr, 0);
    std::wstring w(size_t(wide > 0 ? wide : 0), L'\0');
    MultiByteToWideChar(codePage, 0, text.data(), int(text.size()), w.data(), wide);
    std::string out(size_t(WideCharToMultiByte(CP_UTF8, 0, w.c_str(), int(w.size()), nullptr, 0, nullptr, nullptr)), '\0');
    WideCharToMultiByte(CP_UTF8, 0, w.c_str(), int(w.size()), out.data(), int(out.size()), nullptr, nullptr);
    return out;
}

// The language text's messages with their escapes resolved, in UTF-8 from
// the code page its header names.
std::map<int, std::string> ReadLanguage(const char* path) {
    std::map<int, std::string> texts;
    UINT codePage = CP_ACP;
    std::ifstream in(path, std::ios::binary);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const size_t equals = line.find('=');
        if (line.empty() || line[0] == '#' || equals == std::string::npos) continue;
        if (line.compare(0, equals, "CODEPAGE") == 0) codePage = UINT(std::stoul(line.substr(equals + 1), nullptr, 0));
        if (line.compare(0, equals, "LANGUAGE") == 0 || line.compare(0, equals, "CODEPAGE") == 0) continue;
        std::string text;
        for (size_t i = equals + 1; i < line.size(); ++i) {
            if (line[i] != '\\' || i + 1 == line.size()) {
                text += line[i];
                continue;
            }
            const char c = line[++i];
            text += c == 'r' ? '\r' : c == 'n' ? '\n' : c == 't' ? '\t' : c;
        }
        texts[std::stoi(line.substr(0, equals))] = Utf8From(text, codePage);
    }
    return texts;
}

}  // namespace

void SetWork(const std::string& folder) { work = folder; }
const std::string& Work() { return work; }
void LoadMessages(const char* languagePath) { messages = ReadLanguage(languagePath); }

std::string Message(int k) { return messages.count(k) ? messages[k] : std::string(); }

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteFile(const std::string& path, const std::string& content) { std::ofstream(path, std::ios::binary) << content; }

// The recorder's lines, whether it writes them in UTF-16 or in bytes (the
// paths here are plain ASCII).
std::string Recorded(const std::string& path) {
    std::string text = ReadFile(path);
    text.erase(std::remove(text.begin(), text.end(), '\0'), text.end());
    return text;
}

bool Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

OldFile PlantOldFile(const std::string& path, const std::string& content) {
    WriteFile(path, content);
    const SYSTEMTIME time = {2001, 2, 6, 3, 4, 5, 6, 0};
    FILETIME stamp{};
    SystemTimeToFileTime(&time, &stamp);
    HANDLE file = CreateFileA(path.c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
        SetFileTime(file, nullptr, nullptr, &stamp);
        CloseHandle(file);
    }
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE);
    OldFile old{path, content, {}};
    Check(GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &old.data) != 0, "an old file is planted: " + path);
    return old;
}

void CheckUnchanged(const OldFile& old, const std::string& what) {
    WIN32_FILE_ATTRIBUTE_DATA now{};
    const bool found = GetFileAttributesExA(old.path.c_str(), GetFileExInfoStandard, &now) != 0;
    Check(found && ReadFile(old.path) == old.content, what + ": the old file keeps its content");
    Check(found && CompareFileTime(&now.ftLastWriteTime, &old.data.ftLastWriteTime) == 0,
          what + ": the old file keeps its time");
    Check(found && now.dwFileAttributes == old.data.dwFileAttributes, what + ": the old file keeps its attributes");
}

void CheckNoReplacementLeft(const std::string& folder, const std::string& what) {
    WIN32_FIND_DATAA entry;
    HANDLE search = FindFirstFileA((folder + "\\~BRSFX*.TMP").c_str(), &entry);
    const bool none = search == INVALID_HANDLE_VALUE;
    if (!none) FindClose(search);
    Check(none, what + ": no replacement file is left");
}

// Shows both texts only when they differ.
void CheckText(const std::string& got, const std::string& expected, const std::string& what) {
    Check(got == expected, got == expected ? what : what + ": \"" + got + "\", expected \"" + expected + "\"");
}

std::string Destination(const std::string& name) { return work + "\\out\\" + name; }

std::vector<std::string> ListEntries(HWND list) {
    std::vector<std::string> entries;
    const LRESULT count = Ask(list, LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        wchar_t text[512] = {};
        if (Ask(list, LB_GETTEXTLEN, WPARAM(i), 0) >= LRESULT(std::size(text))) continue;
        Ask(list, LB_GETTEXT, WPARAM(i), LPARAM(text));
        char utf8[1024] = {};
        WideCharToMultiByte(CP_UTF8, 0, text, -1, utf8, sizeof utf8, nullptr, nullptr);
        entries.push_back(utf8);
    }
    return entries;
}

int EntryIndex(HWND list, const std::string& entry) {
    const auto entries = ListEntries(list);
    const auto at = std::find(entries.begin(), entries.end(), entry);
    return at == entries.end() ? -1 : int(at - entries.begin());
}

bool IsDefaultButton(HWND button) { return (GetWindowLongA(button, GWL_STYLE) & 0x0F) == BS_DEFPUSHBUTTON; }


namespace {

std::set<std::string> Found(const std::string& pattern, bool folders) {
    std::set<std::string> found;
    WIN32_FIND_DATAA entry;
    HANDLE search = FindFirstFileA(pattern.c_str(), &entry);
    if (search == INVALID_HANDLE_VALUE) return found;
    do
        if (((entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) == folders && entry.cFileName[0] != '.')
            found.insert(entry.cFileName);
    while (FindNextFileA(search, &entry));
    FindClose(search);
    return found;
}

std::string TempFolder() {
    char temp[MAX_PATH] = {};
    return GetTempPathA(MAX_PATH, temp) ? std::string(temp) : std::string();
}

}  // namespace

std::set<std::string> WorkFolders() {
    const std::string temp = TempFolder();
    return temp.empty() ? std::set<std::string>() : Found(temp + "_BRSFX*", true);
}

std::set<std::string> FilesInWorkFolder(const std::string& name) { return Found(TempFolder() + name + "\\*", false); }

void CheckNoWorkFolderLeft(const std::set<std::string>& before, const std::string& what) {
    std::string left;
    for (const std::string& name : WorkFolders())
        if (!before.count(name)) left += " " + name;
    Check(left.empty(), what + ": no work folder is left in the temp folder" + left);
}
