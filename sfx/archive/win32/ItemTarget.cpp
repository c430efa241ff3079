#include "ItemTarget.h"

#include <windows.h>

#include "ItemPath.h"
#include "SystemPath.h"

bool PassesThroughLink(const std::wstring& base, const std::wstring& path) {
    for (const std::wstring& below : PathsBelow(base, path, true)) {
        const DWORD attributes = GetFileAttributesW(SystemPath(below).c_str());
        if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT)) return true;
    }
    return false;
}

bool HasOwnLongName(const std::wstring& destination) {
    WIN32_FIND_DATAW found;
    const HANDLE search = FindFirstFileW(SystemPath(destination).c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return false;
    FindClose(search);
    const size_t slash = destination.find_last_of(L"\\/");
    const std::wstring name = slash == std::wstring::npos ? destination : destination.substr(slash + 1);
    return lstrcmpiW(name.c_str(), found.cFileName) == 0;
}
