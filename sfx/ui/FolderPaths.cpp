#include "FolderPaths.h"

namespace {

constexpr wchar_t kProbeName[] = L"_BR$TEMP$.$$$";

}  // namespace

std::wstring WithBackslash(const std::wstring& folder) {
    return !folder.empty() && folder.back() == L'\\' ? folder : folder + L'\\';
}

int UnusableDestinationMessage(uint32_t systemError, bool accessDeniedTextPresent) {
    constexpr uint32_t kAccessDenied = 5;  // ERROR_ACCESS_DENIED
    return systemError == kAccessDenied && accessDeniedTextPresent ? 67 : 41;
}

std::wstring ProbeFilePath(const std::wstring& folder, const std::function<bool(const std::wstring&)>& exists) {
    std::wstring path = WithBackslash(folder) + kProbeName;
    while (exists(path)) path += L'$';
    return path;
}
