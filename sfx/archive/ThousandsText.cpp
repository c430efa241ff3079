#include "ThousandsText.h"

std::wstring FormatThousands(uint64_t value, const std::wstring& separator) {
    const std::wstring digits = std::to_wstring(value);
    std::wstring out;
    for (size_t k = 0; k < digits.size(); ++k) {
        if (k > 0 && (digits.size() - k) % 3 == 0) out += separator;
        out += digits[k];
    }
    return out;
}
