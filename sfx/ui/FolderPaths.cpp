#include "FolderPaths.h"

namespace {

constexpr wchar_t kProbeName[] = L"_BR$TEMP$.$$$";

}  // namespace

std::wstring WithBackslash(const std::wstring& folder) {
    return !folder.empty() && folder.back() == L'\\' ? folder : folder + L'\\';
}

std::wstring ProbeFilePath(const std::wstring& folder, const std::function<bool(const std::wstring&)>& exists) {
    std::wstring path = WithBackslash(folder) + kProbeName;
    while (exists(path)) path += L'$';
    return path;
}
