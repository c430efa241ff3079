#include "FileSpecMatch.h"

#include "MaskMatch.h"

namespace {

bool StartsWithFolded(const std::wstring& path, const std::wstring& prefix) {
    if (path.size() < prefix.size()) return false;
    for (size_t k = 0; k < prefix.size(); ++k)
        if (FoldCase(path[k]) != FoldCase(prefix[k])) return false;
    return true;
}

bool MaskSelects(const std::wstring& path, const std::wstring& mask) {
    if (!mask.empty() && mask.back() == L'\\' && StartsWithFolded(path, mask)) return true;
    const bool dotRule = mask.find(L'.') != std::wstring::npos && path.find(L'.') == std::wstring::npos;
    return MatchesMask(dotRule ? path + L"." : path, mask);
}

}  // namespace

bool ItemMatchesFileSpec(const std::wstring& path, const std::vector<std::wstring>& fileSpec) {
    if (path.empty()) return false;
    for (const std::wstring& mask : fileSpec)
        if (MaskSelects(path, mask)) return true;
    return false;
}
