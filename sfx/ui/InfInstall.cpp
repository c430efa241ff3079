#include "InfInstall.h"

namespace {

constexpr wchar_t kInfEnding[] = L".INF";
constexpr size_t kInfEndingLength = 4;
constexpr size_t kCaseFoldedTail = 3;

}  // namespace

bool IsInfFile(std::wstring path) {
    const size_t n = path.size();
    for (size_t i = n > kCaseFoldedTail ? n - kCaseFoldedTail : 0; i < n; ++i)
        if (path[i] >= L'a' && path[i] <= L'z') path[i] = wchar_t(path[i] - L'a' + L'A');
    return n >= kInfEndingLength && path.compare(n - kInfEndingLength, kInfEndingLength, kInfEnding) == 0;
}

std::wstring InfCommandLine(uint32_t platform, const std::wstring& systemFolder, const std::wstring& infPath,
                            const std::wstring& suffix) {
    const std::wstring section = suffix == L".ntx86" ? suffix : std::wstring();
    switch (platform) {
        case kPlatformWindows9x:
            return L"rundll.exe setupx.dll,InstallHinfSection DefaultInstall 132 " + infPath;
        case kPlatformWindowsNt: {
            std::wstring runner = systemFolder;
            if (!runner.empty() && runner.back() != L'\\') runner += L'\\';
            runner += L"rundll32.exe";
            if (runner.find(L' ') != std::wstring::npos) runner = L'"' + runner + L'"';
            return runner + L" setupapi.dll,InstallHinfSection DefaultInstall" + section + L" 132 " +
                   infPath;
        }
        default:
            return infPath;
    }
}
