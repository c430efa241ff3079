#include "SevenZipModule.h"

#include <algorithm>
#include <vector>

#include "ModuleShutdown.h"
#include "SevenZip.h"
#include "SystemPath.h"

namespace {

HMODULE gModule = nullptr;

std::vector<TSevenZip*>& Sessions() {
    static std::vector<TSevenZip*> sessions;
    return sessions;
}

}  // namespace

HMODULE SevenZipModule(const std::wstring& folder) {
    if (gModule != nullptr) return gModule;
    // By its full path, and its own imports only from its folder and the
    // system folder: no DLL planted elsewhere on the search path is loaded.
    const std::wstring path = SystemPath(folder + L"7z.dll");
    gModule = LoadLibraryExW(path.c_str(), nullptr, LOAD_LIBRARY_SEARCH_DLL_LOAD_DIR | LOAD_LIBRARY_SEARCH_SYSTEM32);
    return gModule;
}

HMODULE LoadedSevenZipModule() { return gModule; }

CreateObjectFunc SevenZipCreateObject() {
    if (gModule == nullptr) return nullptr;
    return reinterpret_cast<CreateObjectFunc>(reinterpret_cast<void*>(GetProcAddress(gModule, "CreateObject")));
}

void RegisterSession(TSevenZip* session) { Sessions().push_back(session); }

void UnregisterSession(TSevenZip* session) {
    auto& sessions = Sessions();
    sessions.erase(std::remove(sessions.begin(), sessions.end(), session), sessions.end());
}

void ShutdownSevenZip() {
    for (TSevenZip* session : Sessions()) session->ReleaseModuleObjects();
    if (gModule != nullptr) FreeLibrary(std::exchange(gModule, nullptr));
}
