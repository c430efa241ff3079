#include "ReplacementName.h"

std::wstring ReplacementName(const std::wstring& destination, uint32_t attempt) {
    const size_t slash = destination.find_last_of(L'\\');
    const std::wstring folder = slash == std::wstring::npos ? std::wstring() : destination.substr(0, slash + 1);
    return folder + L"~BRSFX" + std::to_wstring(attempt) + L".TMP";
}
