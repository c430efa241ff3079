#include "ThousandsText.h"

std::wstring FormatThousands(uint64_t value, const std::wstring& separator) {
    const std::string narrow = std::to_string(value);  // the wide form would bring in a printf
    const std::wstring digits(narrow.begin(), narrow.end());
    std::wstring out;
    for (size_t k = 0; k < digits.size(); ++k) {
        if (k > 0 && (digits.size() - k) % 3 == 0) out += separator;
        out += digits[k];
    }
    return out;
}
