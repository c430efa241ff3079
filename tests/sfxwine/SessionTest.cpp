// The archive session over the real 7-Zip module, under Wine: one process
// runs every scenario, since each start of a Windows program is slow under
// emulation. Archives come from make_test_archives.sh and craft7z.py.
//   sfxarchive_session ARCHIVES WORK [encrypted]
// ARCHIVES holds the test archives and manifest.tsv; WORK is an empty folder
// with the module in WORK\mod, WORK\mod1 and WORK\mod2, and the crafted
// WORK\hostile.7z. The last scenario ends the process from inside a callback,
// as the program does on a Cancel answer; it prints "N passed, N failed".
// With "encrypted" only the encrypted archives are tried.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <set>

#include "ComObject.h"
#include "ModuleShutdown.h"
#include "PropValue.h"
#include "SessionChecks.h"
#include "SessionThread.h"
#include "SevenZip.h"
#include "SystemPath.h"

namespace {

std::wstring gArchives, gWork;
std::vector<ManifestItem> gManifest;

struct BeginEvent {
    uint8_t mode;
    std::wstring fileName, destination;
};

struct Run {
    HRESULT result = E_UNEXPECTED;
    uint32_t errors = 0;
    int64_t spanSize = 0;
    std::wstring password;
    std::vector<BeginEvent> begins;
    std::vector<std::pair<uint8_t, uint8_t>> progress;  // file, total
};

struct Options {
    std::vector<std::wstring> fileSpec;
    bool useFolderNames = true;
    std::function<void(Run&, bool& cancel)> onProgress;              // after recording
    std::function<void(const BeginEvent&, bool& proceed)> onBegin;    // after recording
    std::function<void(std::wstring& password)> onPassword;  // null: not assigned
};

std::wstring Archive(const char* name) { return gArchives + L"\\" + Wide(name); }

std::wstring FreshFolder(const std::wstring& name) {
    const std::wstring folder = gWork + L"\\" + name;
    RemoveTree(folder);
    CHECK(CreateFolderTree(folder));
    return folder;
}

// The run goes as the window runs it: on a worker thread, the module on
// threads of its own, and every event back on this thread.
Run Extract(const std::wstring& archive, const std::wstring& dest, const Options& options = {}) {
    Run run;
    const DWORD owner = GetCurrentThreadId();
    {
        TSevenZip session;
        session.ModuleThreads = true;
        session.FileName = archive;
        session.DLLDir = Utf8(gWork) + "\\mod\\";
        session.ExtractBaseDir = dest;
        session.UseFolderNames = options.useFolderNames;
        session.FileSpec = options.fileSpec;
        session.Password = L"kept by the owner";
        session.OnProgress = [&](TSevenZip* sender, uint8_t file, uint8_t total, bool& cancel) {
            CHECK(sender == &session);
            CHECK(GetCurrentThreadId() == owner);
            run.progress.emplace_back(file, total);
            if (options.onProgress) options.onProgress(run, cancel);
        };
        session.OnBegin = [&](TSevenZip* sender, uint8_t mode, const std::wstring& fileName, const std::wstring& destination,
                              bool& proceed) {
            CHECK(sender == &session);
            CHECK(GetCurrentThreadId() == owner);
            run.begins.push_back({mode, fileName, destination});
            if (options.onBegin) options.onBegin(run.begins.back(), proceed);
        };
        if (options.onPassword)
            session.OnPassword = [&](TSevenZip*, const std::wstring&, std::wstring& password) {
                CHECK(GetCurrentThreadId() == owner);
                options.onPassword(password);
            };
        TSessionThread worker(session, nullptr);
        run.result = worker.Run([&] { return session.ExtractArchive(); });
        run.errors = session.ErrorCount();
        run.spanSize = session.SpanSize;
        run.password = session.Password;
    }
    // Everything handed to the module came back.
    CHECK(LiveComObjects() == 0);
    return run;
}

std::vector<BeginEvent> BeginsOfMode(const Run& run, uint8_t mode) {
    std::vector<BeginEvent> events;
    for (const BeginEvent& e : run.begins)
        if (e.mode == mode) events.push_back(e);
    return events;
}

bool EndsAtFullProgress(const Run& run) {
    return !run.progress.empty() && run.progress.back() == std::make_pair(uint8_t(100), uint8_t(100));
}

bool TotalNeverFalls(const Run& run) {
    for (size_t k = 1; k < run.progress.size(); ++k)
        if (run.progress[k].second < run.progress[k - 1].second) return false;
    return true;
}

void ExtractsWhole(const char* name) {
    SetScenario(std::string("whole archive ") + name);
    const std::wstring dest = FreshFolder(Wide(name) + L".out");
    const Run run = Extract(Archive(name), dest);
    CHECK(run.result == S_OK);
    CHECK(run.errors == 0);
    CHECK(run.password == L"kept by the owner");
    CHECK(EndsAtFullProgress(run));
    CHECK(TotalNeverFalls(run));
    const std::vector<ManifestItem> items = ItemsOf(gManifest, name);
    CheckExtracted(items, dest);
    // One begin event, before the file is written, for each file.
    std::set<std::wstring> files, announced;
    for (const ManifestItem& item : items)
        if (!item.folder) files.insert(dest + L"\\" + item.path);
    for (const BeginEvent& e : BeginsOfMode(run, 0)) {
        announced.insert(e.destination);
        CHECK(e.fileName.find(L" bytes, ") != std::wstring::npos);
    }
    CHECK(announced == files);
    CHECK(BeginsOfMode(run, 0).size() == files.size());
}

void EventsCarryTheItem() {
    SetScenario("item text and exact times");
    const std::wstring dest = FreshFolder(L"times");
    const Run run = Extract(Archive("copy.7z"), dest);
    for (const BeginEvent& e : BeginsOfMode(run, 0)) {
        if (e.destination == dest + L"\\many.txt") CHECK(e.fileName.rfind(L"12,200 bytes, ", 0) == 0);
        if (e.destination == dest + L"\\empty.txt") CHECK(e.fileName.rfind(L"0 bytes, ", 0) == 0);
    }
    // 2005-03-10 08:15:07 UTC to the second, not rounded to two seconds.
    FILETIME written{};
    DWORD attributes = 0;
    uint64_t size = 0;
    CHECK(StatFile(dest + L"\\mid.txt", written, attributes, size));
    SYSTEMTIME utc{};
    FileTimeToSystemTime(&written, &utc);
    CHECK(utc.wYear == 2005 && utc.wHour == 8 && utc.wMinute == 15 && utc.wSecond == 7);
    CHECK(StatFile(dest + L"\\old.txt", written, attributes, size));
    FileTimeToSystemTime(&written, &utc);
    CHECK(utc.wYear == 1975 && utc.wMonth == 6 && utc.wDay == 1);
    CHECK(StatFile(dest + L"\\future.txt", written, attributes, size));
    FileTimeToSystemTime(&written, &utc);
    CHECK(utc.wYear == 2150);
    CHECK(StatFile(dest + L"\\readonly.txt", written, attributes, size));
    CHECK((attributes & FILE_ATTRIBUTE_READONLY) != 0);
    CHECK(StatFile(dest + L"\\empty.txt", written, attributes, size) && size == 0);
    // The empty file raised no progress of its own: every event has a total.
    CHECK(FolderExists(dest + L"\\emptydir") && FolderNames(dest + L"\\emptydir").empty());
}

void VolumeSet() {
    SetScenario("volume set");
    const std::wstring dest = FreshFolder(L"volumes");
    const Run run = Extract(Archive("volumes.7z.001"), dest);
    CHECK(run.result == S_OK);
    CHECK(run.errors == 0);
    CHECK(run.spanSize == FileSizeOf(Archive("volumes.7z.001")));
    CHECK(run.spanSize == 4096);
    const std::vector<BeginEvent> opened = BeginsOfMode(run, 10);
    CHECK(!opened.empty());
    bool second = false, third = false;
    for (const BeginEvent& e : opened) {
        second = second || e.fileName == Archive("volumes.7z.002");
        third = third || e.fileName == Archive("volumes.7z.003");
        CHECK(e.destination.empty());
    }
    CHECK(second && third);
    CHECK(BeginsOfMode(run, 11).empty());
    CheckExtracted(ItemsOf(gManifest, "volumes.7z.001"), dest);

    SetScenario("missing volume");
    const std::wstring set = FreshFolder(L"gap");
    CHECK(CopyFileW(Archive("volumes.7z.001").c_str(), (set + L"\\v.7z.001").c_str(), FALSE));
    CHECK(CopyFileW(Archive("volumes.7z.003").c_str(), (set + L"\\v.7z.003").c_str(), FALSE));
    const Run gap = Extract(set + L"\\v.7z.001", FreshFolder(L"gap.out"));
    const std::vector<BeginEvent> missing = BeginsOfMode(gap, 11);
    CHECK(missing.size() == 1);
    CHECK(!missing.empty() && missing[0].fileName == set + L"\\v.7z.002");
    CHECK(gap.result == E_ABORT);
    CHECK(!EndsAtFullProgress(gap));
}

// Three stored items in blocks of their own: a cancel during the first makes
// the read of the next block fail, and the run stops there.
void Cancel() {
    SetScenario("cancel from progress");
    const std::wstring dest = FreshFolder(L"cancel");
    Options options;
    size_t begunAtCancel = 0;
    options.onProgress = [&](Run& run, bool& cancel) {
        if (!cancel) begunAtCancel = run.begins.size();
        cancel = true;
    };
    const Run run = Extract(Archive("damaged-crc.7z"), dest, options);
    CHECK(run.result == E_ABORT);
    CHECK(!run.progress.empty());
    CHECK(!EndsAtFullProgress(run));
    CHECK(begunAtCancel == 1);
    CHECK(run.begins.size() == begunAtCancel);
    // The item the cancel cut off leaves no file.
    CHECK(FolderNames(dest).empty());
}

void Masks() {
    SetScenario("file masks");
    const std::wstring dest = FreshFolder(L"masks");
    Options options;
    options.fileSpec = {L"A\\", L"mid.txt", L"gr??e\\*"};
    const Run run = Extract(Archive("copy.7z"), dest, options);
    CHECK(run.result == S_OK && run.errors == 0);
    std::vector<ManifestItem> chosen;
    for (const ManifestItem& item : ItemsOf(gManifest, "copy.7z")) {
        const bool selected = item.path.rfind(L"a\\", 0) == 0 || item.path == L"mid.txt" || item.path.rfind(L"Grüße\\", 0) == 0;
        if (selected) chosen.push_back(item);
        else if (!item.folder) CHECK(!FileExists(dest + L"\\" + item.path));
    }
    CheckExtracted(chosen, dest);

    SetScenario("masks matching nothing");
    const std::wstring none = FreshFolder(L"masks-none");
    options.fileSpec = {L"no-such-item"};
    const Run nothing = Extract(Archive("copy.7z"), none, options);
    CHECK(nothing.result == S_OK);
    CHECK(nothing.begins.empty());
    CHECK(nothing.progress.size() == 1 && EndsAtFullProgress(nothing));
    CHECK(FolderNames(none).empty());
}

void ExistingFiles() {
    SetScenario("existing files: kept unless OnBegin lets the item replace them");
    const std::wstring dest = FreshFolder(L"existing");
    CHECK(WriteText(dest + L"\\mid.txt", "keep me"));
    CHECK(WriteText(dest + L"\\many.txt", "replace me"));
    Options options;
    options.onBegin = [&](const BeginEvent& e, bool& proceed) {
        if (e.mode == 0) CHECK(proceed);  // a file to be written comes in with true
        proceed = e.destination == dest + L"\\many.txt";
    };
    const Run run = Extract(Archive("copy.7z"), dest, options);
    CHECK(run.result == S_OK && run.errors == 0);
    CHECK(ReadText(dest + L"\\mid.txt") == "keep me");
    for (const ManifestItem& item : ItemsOf(gManifest, "copy.7z"))
        if (item.path == L"many.txt") CHECK(Sha256Of(dest + L"\\many.txt") == item.sha256);
    for (const std::wstring& name : FolderNames(dest)) CHECK(name.rfind(L"~BRSFX", 0) != 0);
}

void FlatFolders() {
    SetScenario("without folder names");
    const std::wstring dest = FreshFolder(L"flat");
    Options options;
    options.useFolderNames = false;
    const Run run = Extract(Archive("copy.7z"), dest, options);
    CHECK(run.result == S_OK && run.errors == 0);
    CHECK(FileExists(dest + L"\\c.txt"));
    CHECK(FileExists(dest + L"\\notes.txt"));
    CHECK(FileExists(dest + L"\\日本.txt"));
    for (const std::wstring& name : FolderNames(dest)) CHECK(!FolderExists(dest + L"\\" + name));
}

void Failures() {
    SetScenario("damaged item");
    const std::wstring dest = FreshFolder(L"damaged");
    const Run run = Extract(Archive("damaged-crc.7z"), dest);
    CHECK(run.errors == 1);
    CHECK(run.password.empty());
    std::vector<ManifestItem> good;
    for (const ManifestItem& item : ItemsOf(gManifest, "damaged-crc.7z"))
        if (item.sound) good.push_back(item);
    CHECK(good.size() == 2);
    CheckExtracted(good, dest);

    for (const char* name : {"not-an-archive.7z", "broken-header.7z", "truncated.7z", "no-such-file.7z"}) {
        SetScenario(std::string("cannot be opened: ") + name);
        const std::wstring out = FreshFolder(L"unopened");
        const Run failed = Extract(Archive(name), out);
        CHECK(failed.result == E_FAIL);
        CHECK(failed.begins.empty() && failed.progress.empty());
        CHECK(FolderNames(out).empty());
    }
}

void EncryptedArchives() {
    SetScenario("encrypted without a password handler");
    const std::wstring locked = FreshFolder(L"locked");
    const Run noHandler = Extract(Archive("encrypted.7z"), locked);
    CHECK(noHandler.errors > 0);
    CHECK(noHandler.password.empty());

    SetScenario("encrypted, stored, wrong password");
    int asked = 0;
    Options wrong;
    wrong.onPassword = [&](std::wstring& password) {
        ++asked;
        password = L"not-the-password";
    };
    const Run garbage = Extract(Archive("encrypted-copy.7z"), FreshFolder(L"wrong"), wrong);
    CHECK(asked > 0);
    CHECK(garbage.errors > 0);

    Options right;
    right.onPassword = [](std::wstring& password) {
        password = L"secret-7z";
    };
    for (const char* name : {"encrypted.7z", "encrypted-headers.7z"}) {
        SetScenario(std::string("password from OnPassword: ") + name);
        const std::wstring dest = FreshFolder(Wide(name) + L".out");
        const Run run = Extract(Archive(name), dest, right);
        CHECK(run.result == S_OK && run.errors == 0);
        CheckExtracted(ItemsOf(gManifest, name), dest);
    }
    SetScenario("encrypted headers without a password");
    const Run closed = Extract(Archive("encrypted-headers.7z"), FreshFolder(L"headers-closed"));
    CHECK(closed.result == E_FAIL);
}

// Counts the items of the crafted archive that must be refused.
uint32_t RefusedItems(const std::wstring& archive) {
    TSevenZip session;
    session.FileName = archive;
    session.DLLDir = Utf8(gWork) + "\\mod\\";
    uint32_t refused = 0;
    if (!CHECK(session.OpenArchive())) return 0;
    UINT32 count = 0;
    session.InArchive()->GetNumberOfItems(&count);
    CHECK(count == 31);
    for (UINT32 index = 0; index < count; ++index)
        if (ItemPathOf(session.InArchive(), index).rfind(L"good", 0) != 0) ++refused;
    session.CloseArchive();
    return refused;
}

void HostilePaths() {
    SetScenario("hostile item paths");
    const std::wstring outer = FreshFolder(L"hostile");
    const std::wstring inner = outer + L"\\inner", dest = inner + L"\\dest";
    CHECK(CreateFolderTree(dest));
    const uint32_t refused = RefusedItems(gWork + L"\\hostile.7z");
    CHECK(refused == 27);
    const Run run = Extract(gWork + L"\\hostile.7z", dest);
    CHECK(run.result == S_OK);
    CHECK(run.errors == refused);
    // Nothing beside the destination or its parent, nothing on the drives.
    CHECK(FolderNames(outer) == std::vector<std::wstring>{L"inner"});
    CHECK(FolderNames(inner) == std::vector<std::wstring>{L"dest"});
    for (const wchar_t* path : {L"\\evil4.txt", L"C:\\evil5.txt", L"C:evil6.txt", L"C:\\evil8.txt"})
        CHECK(!FileExists(path));
    std::vector<std::wstring> names = FolderNames(dest);
    std::sort(names.begin(), names.end());
    CHECK((names == std::vector<std::wstring>{L"good-dir", L"good.txt", L"goodlink", L"goodposix"}));
    CHECK(ReadText(dest + L"\\good-dir\\good-inner.txt") == "inner\n");
    // Only the plain attribute bits: no reparse point, no compression.
    FILETIME written{};
    DWORD attributes = 0;
    uint64_t size = 0;
    CHECK(StatFile(dest + L"\\goodlink", written, attributes, size));
    CHECK(attributes == FILE_ATTRIBUTE_ARCHIVE);
    CHECK(StatFile(dest + L"\\goodposix", written, attributes, size));
    CHECK(attributes == (FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_READONLY));
}

void LongDestination() {
    SetScenario("destination past 260 characters");
    std::wstring dest = FreshFolder(L"long");
    for (int k = 0; k < 30; ++k) dest += L"\\folder-" + std::to_wstring(10 + k);
    CHECK(dest.size() > 300);
    const Run run = Extract(Archive("copy.7z"), dest);
    CHECK(run.result == S_OK && run.errors == 0);
    CheckExtracted(ItemsOf(gManifest, "copy.7z"), dest);
    CHECK(!run.begins.empty() && run.begins[0].destination.rfind(dest, 0) == 0);
}

HMODULE ModuleAt(const std::wstring& folder) { return GetModuleHandleW((SystemPath(folder) + L"\\7z.dll").c_str()); }

void ModuleLoadedOnce() {
    SetScenario("two opens, one module; shutdown frees it");
    ShutdownSevenZip();
    const std::wstring folder = gWork + L"\\mod1";
    {
        TSevenZip session;
        session.FileName = Archive("copy.7z");
        session.DLLDir = Utf8(folder) + "\\";
        CHECK(session.OpenArchive());
        CHECK(session.OpenArchive());
        CHECK(session.InArchive() != nullptr);
        UINT32 count = 0;
        CHECK(session.InArchive()->GetNumberOfItems(&count) == S_OK && count > 0);
        CHECK(ModuleAt(folder) != nullptr);
        // Shut down with the archive still open: handler and file go back.
        ShutdownSevenZip();
        CHECK(session.InArchive() == nullptr);
        CHECK(ModuleAt(folder) == nullptr);
        CHECK(DeleteFileW((folder + L"\\7z.dll").c_str()));
        // The archive file is no longer held open.
        HANDLE alone = CreateFileW(Archive("copy.7z").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        CHECK(alone != INVALID_HANDLE_VALUE);
        if (alone != INVALID_HANDLE_VALUE) CloseHandle(alone);
    }
    CHECK(LiveComObjects() == 0);
}

// As the program does on a Cancel answer: release and unload from inside a
// callback, delete the module's file, end the process.
[[noreturn]] void ShutdownInsideCallback() {
    SetScenario("shutdown inside a callback, then the process ends");
    const std::wstring folder = gWork + L"\\mod2";
    TSevenZip session;
    session.FileName = Archive("lzma2.7z");
    session.DLLDir = Utf8(folder) + "\\";
    session.ExtractBaseDir = FreshFolder(L"last");
    session.UseFolderNames = true;
    session.OnBegin = [&](TSevenZip*, uint8_t, const std::wstring&, const std::wstring&, bool&) {
        CHECK(ModuleAt(folder) != nullptr);
        ShutdownSevenZip();
        CHECK(ModuleAt(folder) == nullptr);
        CHECK(DeleteFileW((folder + L"\\7z.dll").c_str()));
        std::printf("%d passed, %d failed\n", PassedChecks(), FailedChecks());
        std::fflush(stdout);
        ExitProcess(FailedChecks() == 0 ? 0 : 1);
    };
    session.ExtractArchive();
    CHECK(!"OnBegin was not raised");
    std::printf("%d passed, %d failed\n", PassedChecks(), FailedChecks());
    std::fflush(stdout);
    ExitProcess(1);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 3 && argc != 4) {
        std::fprintf(stderr, "usage: sfxarchive_session ARCHIVES WORK [encrypted]\n");
        return 2;
    }
    gArchives = argv[1];
    gWork = argv[2];
    gManifest = ReadManifest(gArchives + L"\\manifest.tsv");
    SetScenario("manifest");
    CHECK(!gManifest.empty());
    if (argc == 4 && std::wstring(argv[3]) == L"encrypted") {
        EncryptedArchives();
        std::printf("%d passed, %d failed\n", PassedChecks(), FailedChecks());
        return FailedChecks() == 0 ? 0 : 1;
    }

    for (const char* name : {"lzma2.7z", "ppmd.7z", "bcj2.7z", "deflate64.7z", "copy.7z"}) ExtractsWhole(name);
    EventsCarryTheItem();
    VolumeSet();
    Cancel();
    Masks();
    ExistingFiles();
    FlatFolders();
    Failures();
    HostilePaths();
    LongDestination();
    ModuleLoadedOnce();
    ShutdownInsideCallback();
}
