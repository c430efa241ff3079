#include "ReplacementName.h"

std::wstring ReplacementName(const std::wstring& destination, uint32_t attempt) {
    const size_t slash = destination.find_last_of(L'\\');
    const std::wstring folder = slash == std::wstring::npos ? std::wstring() : destination.substr(0, slash + 1);
    const std::string number = std::to_string(attempt);  // the wide form would bring in a printf
    return folder + L"~BRSFX" + std::wstring(number.begin(), number.end()) + L".TMP";
}
