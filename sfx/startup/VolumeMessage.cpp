#include "VolumeMessage.h"

std::wstring VolumeFileName(const std::wstring& volumePath) {
    const size_t slash = volumePath.find_last_of(L"\\/");
    return slash == std::wstring::npos ? volumePath : volumePath.substr(slash + 1);
}

std::wstring MissingVolumeText(const std::wstring& message68, const std::wstring& message38,
                               const std::wstring& volumeName) {
    std::wstring text = message68.empty() ? message38 + L"\r\n%s" : message68;
    const size_t at = text.find(L"%s");
    if (at == std::wstring::npos) return text + L" " + volumeName;
    return text.replace(at, 2, volumeName);
}
