#include "LongPath.h"

namespace {

const std::wstring kExtended = L"\\\\?\\";
const std::wstring kExtendedUnc = L"\\\\?\\UNC\\";

bool StartsWith(const std::wstring& text, const std::wstring& prefix) { return text.compare(0, prefix.size(), prefix) == 0; }

// Where the first folder below the root begins.
size_t RootLength(const std::wstring& path) {
    if (StartsWith(path, kExtendedUnc)) {
        const size_t server = path.find(L'\\', kExtendedUnc.size());
        if (server == std::wstring::npos) return path.size();
        const size_t share = path.find(L'\\', server + 1);
        return share == std::wstring::npos ? path.size() : share + 1;
    }
    if (StartsWith(path, kExtended)) {
        const size_t volume = path.find(L'\\', kExtended.size());
        return volume == std::wstring::npos ? path.size() : volume + 1;
    }
    return 0;
}

}  // namespace

std::wstring ExtendedLengthPath(const std::wstring& fullPath) {
    if (StartsWith(fullPath, kExtended)) return fullPath;
    if (StartsWith(fullPath, L"\\\\")) return kExtendedUnc + fullPath.substr(2);
    if (fullPath.size() >= 3 && fullPath[1] == L':' && fullPath[2] == L'\\') return kExtended + fullPath;
    return fullPath;
}

std::vector<std::wstring> FolderChain(const std::wstring& extendedPath) {
    std::vector<std::wstring> chain;
    size_t at = RootLength(extendedPath);
    if (at == 0) return chain;
    while (at < extendedPath.size()) {
        size_t end = extendedPath.find(L'\\', at);
        if (end == std::wstring::npos) end = extendedPath.size();
        if (end > at) chain.push_back(extendedPath.substr(0, end));
        at = end + 1;
    }
    return chain;
}
