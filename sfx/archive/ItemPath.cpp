#include "ItemPath.h"

#include <algorithm>

#include "MaskMatch.h"

namespace {

constexpr wchar_t kStoredBackslash = 0xF05C;

bool IsForbiddenChar(wchar_t c) {
    return c < 0x20 || c == kStoredBackslash || std::wstring(L"<>:\"|?*").find(c) != std::wstring::npos;
}

std::wstring FoldedText(std::wstring text) {
    for (wchar_t& c : text) c = FoldCase(c);
    return text;
}

// Windows takes a component for a device when its part before the first "."
// (trailing spaces dropped) is a device name; COM and LPT take the digits 0-9
// and the superscripts 1-3.
bool IsDeviceName(const std::wstring& component) {
    std::wstring base = FoldedText(component.substr(0, component.find(L'.')));
    base.erase(base.find_last_not_of(L' ') + 1);
    for (const wchar_t* device : {L"con", L"prn", L"aux", L"nul", L"conin$", L"conout$", L"clock$"})
        if (base == device) return true;
    if (base.size() != 4 || (base.compare(0, 3, L"com") != 0 && base.compare(0, 3, L"lpt") != 0)) return false;
    const wchar_t digit = base[3];
    return (digit >= L'0' && digit <= L'9') || digit == 0xB9 || digit == 0xB2 || digit == 0xB3;
}

bool IsSafeComponent(const std::wstring& component) {
    if (component.empty()) return false;
    const wchar_t last = component.back();
    if (last == L'.' || last == L' ') return false;  // ".", ".." and names Windows would trim
    for (wchar_t c : component)
        if (IsForbiddenChar(c)) return false;
    return !IsDeviceName(component);
}

}  // namespace

bool IsSafeItemPath(const std::wstring& path) {
    size_t start = 0;
    while (true) {
        const size_t end = path.find_first_of(L"\\/", start);
        if (!IsSafeComponent(path.substr(start, end == std::wstring::npos ? std::wstring::npos : end - start)))
            return false;
        if (end == std::wstring::npos) return true;
        start = end + 1;
    }
}

ItemPathParts SplitItemPath(const std::wstring& path) {
    const size_t cut = path.find_last_of(L"\\:");
    if (cut == std::wstring::npos) return {std::wstring(), path};
    return {path.substr(0, cut + 1), path.substr(cut + 1)};
}

std::vector<std::wstring> PathsBelow(const std::wstring& base, const std::wstring& path, bool withItem) {
    std::vector<std::wstring> paths;
    std::wstring below = base;
    if (!below.empty() && below.back() != L'\\') below += L'\\';
    for (size_t start = 0; start < path.size();) {
        const size_t end = std::min(path.find_first_of(L"\\/", start), path.size());
        below.append(path, start, end - start);
        if (end < path.size() || withItem) paths.push_back(below);
        below += L'\\';
        start = end + 1;
    }
    return paths;
}
