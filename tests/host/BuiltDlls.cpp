#include "BuiltDlls.h"

#include <algorithm>
#include <map>

std::vector<BuiltDll> BuiltDlls() {
    std::vector<BuiltDll> dlls;
#ifdef LINEFIX_WIN32_DLL
    dlls.push_back({"x86", LINEFIX_WIN32_DLL, kMachineI386, true, "wx86"});
#endif
#ifdef LINEFIX_WIN64_DLL
    dlls.push_back({"x64", LINEFIX_WIN64_DLL, kMachineAmd64, false, "8664"});
#endif
    return dlls;
}

std::vector<BuiltDll> BuiltDllsFor(uint16_t machine) {
    std::vector<BuiltDll> dlls = BuiltDlls();
    dlls.erase(std::remove_if(dlls.begin(), dlls.end(), [&](const BuiltDll& d) { return d.machine != machine; }),
               dlls.end());
    return dlls;
}

const PeImage& LoadedImage(const BuiltDll& dll) {
    static std::map<std::string, PeImage> loaded;
    auto it = loaded.find(dll.path);
    if (it == loaded.end()) it = loaded.emplace(dll.path, PeImage::Load(dll.path)).first;
    return it->second;
}
