#include "MaskMatch.h"

namespace {

std::wstring Folded(const std::wstring& text) {
    std::wstring out(text);
    for (wchar_t& c : out) c = FoldCase(c);
    return out;
}

// Runs of "*" mean the same as one.
std::wstring CollapseStars(const std::wstring& mask) {
    std::wstring out;
    for (wchar_t c : mask) {
        if (c == L'*' && !out.empty() && out.back() == L'*') continue;
        out.push_back(c);
    }
    return out;
}

bool SameOrAny(wchar_t name, wchar_t mask) { return mask == L'?' || mask == name; }

bool SegmentAt(const std::wstring& name, size_t at, const std::wstring& segment) {
    for (size_t k = 0; k < segment.size(); ++k)
        if (!SameOrAny(name[at + k], segment[k])) return false;
    return true;
}

// The last "*" of the mask: the rest of the name must end with what follows.
bool EndsWithSegment(const std::wstring& name, size_t i, const std::wstring& segment) {
    if (name.size() - i < segment.size()) return false;
    return SegmentAt(name, name.size() - segment.size(), segment);
}

bool FoldedMatch(const std::wstring& name, const std::wstring& mask) {
    size_t i = 0, j = 0;
    while (i < name.size() && j < mask.size()) {
        if (mask[j] != L'*') {
            if (!SameOrAny(name[i], mask[j])) return false;
            ++i;
            ++j;
            continue;
        }
        const size_t next = mask.find(L'*', j + 1);
        const std::wstring segment = mask.substr(j + 1, next == std::wstring::npos ? std::wstring::npos : next - j - 1);
        if (next == std::wstring::npos) return EndsWithSegment(name, i, segment);
        const size_t found = FindMaskSegment(name, i, segment);
        if (found == std::wstring::npos) return false;
        i = found + segment.size();
        j = next;
    }
    if (i < name.size()) return false;
    return mask.find_first_not_of(L'*', j) == std::wstring::npos;
}

}  // namespace

wchar_t FoldCase(wchar_t c) {
    const bool capital = (c >= L'A' && c <= L'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7) ||
                         (c >= 0x391 && c <= 0x3AB && c != 0x3A2) || (c >= 0x410 && c <= 0x42F);
    if (capital) return wchar_t(c + 0x20);
    if (c >= 0x400 && c <= 0x40F) return wchar_t(c + 0x50);  // Cyrillic capitals with marks
    return c;
}

size_t FindMaskSegment(const std::wstring& name, size_t start, const std::wstring& segment) {
    if (start > name.size() || name.size() - start < segment.size()) return std::wstring::npos;
    for (size_t at = start; at + segment.size() <= name.size(); ++at)
        if (SegmentAt(name, at, segment)) return at;
    return std::wstring::npos;
}

bool MatchesMask(const std::wstring& name, const std::wstring& mask) {
    const std::wstring m = CollapseStars(Folded(mask));
    if (m == L"*") return true;
    return FoldedMatch(Folded(name), m);
}
